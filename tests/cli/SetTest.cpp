// set: the same change gives the same settings as the window's rules, and a
// set that fails leaves the file byte for byte as it was.
#include "CameraRules.h"
#include "CliHarness.h"

#include <gtest/gtest.h>

namespace {

using rules::kVideoMode1;
using rules::kVideoMode2;

// What the window holds around a user's change: its refresh after the load
// has applied the loop-recording limit, and the refresh after the change
// applies it again.
void windowRefresh(KaveloConfigParser& config) {
    rules::applyLoopRecordingLimit(config.settings(), kVideoMode1);
    rules::applyLoopRecordingLimit(config.settings(), kVideoMode2);
}

struct RuleCase {
    const char* what;
    std::vector<SettingValue> before;
    std::vector<std::string> assignments;      // the command line's change
    void (*windowChange)(KaveloConfigParser&); // the same change in the window
    std::vector<SettingValue> after;           // what both must give
};

const RuleCase kRuleCases[] = {
    {"60 fps at 1920x1080 narrow moves to 1280x720 wide",
     {{3, 0}, {4, 3}},
     {"video1.frame-rate=60fps"},
     [](KaveloConfigParser& c) { rules::chooseFrameRate(c.settings(), kVideoMode1, 0); },
     {{3, 3}, {4, 1}}},
    {"a frame-rate code keeps a resolution that allows it",
     {{15, 5}, {16, 3}},
     {"video2.frame-rate=2"},
     [](KaveloConfigParser& c) { rules::chooseFrameRate(c.settings(), kVideoMode2, 1); },
     {{15, 5}, {16, 2}}},
    {"25 fps, named by its number, changes no resolution",
     {{15, 1}, {16, 3}},
     {"video2.frame-rate=25"},
     [](KaveloConfigParser& c) { rules::chooseFrameRate(c.settings(), kVideoMode2, 3); },
     {{15, 1}, {16, 4}}},
    {"narrowing 1280x720 raises 60 fps to 30 fps",
     {{3, 3}, {4, 1}},
     {"video1.fov=narrow"},
     [](KaveloConfigParser& c) { rules::chooseFieldOfView(c.settings(), kVideoMode1, 1); },
     {{3, 2}, {4, 3}}},
    {"narrowing 848x480 keeps 60 fps",
     {{3, 5}, {4, 1}},
     {"video1.fov=Narrow"},
     [](KaveloConfigParser& c) { rules::chooseFieldOfView(c.settings(), kVideoMode1, 1); },
     {{3, 4}, {4, 1}}},
    {"a resolution keeps the field of view",
     {{15, 0}, {16, 3}},
     {"video2.resolution=848x480"},
     [](KaveloConfigParser& c) { rules::chooseResolution(c.settings(), kVideoMode2, 2); },
     {{15, 4}, {16, 3}}},
    {"1920x1080 from 848x480 at 60 fps raises the frame rate",
     {{15, 4}, {16, 1}},
     {"video2.resolution=1920x1080"},
     [](KaveloConfigParser& c) { rules::chooseResolution(c.settings(), kVideoMode2, 0); },
     {{15, 0}, {16, 3}}},
    {"a resolution with its field of view clicks both groups",
     {{3, 5}, {4, 2}},
     {"video1.resolution=1280x720-narrow"},
     [](KaveloConfigParser& c) {
         rules::chooseResolution(c.settings(), kVideoMode1, 1);
         rules::chooseFieldOfView(c.settings(), kVideoMode1, 1);
     },
     {{3, 2}, {4, 3}}},
    {"a resolution code clicks both groups",
     {{3, 4}, {4, 1}},
     {"video1.resolution=1"},
     [](KaveloConfigParser& c) {
         rules::chooseResolution(c.settings(), kVideoMode1, 0);
         rules::chooseFieldOfView(c.settings(), kVideoMode1, 0);
     },
     {{3, 1}, {4, 3}}},
    {"choices apply in order, each with its rule",
     {{3, 0}, {4, 3}},
     {"video1.frame-rate=50fps", "video1.resolution=848x480", "video1.fov=wide"},
     [](KaveloConfigParser& c) {
         rules::chooseFrameRate(c.settings(), kVideoMode1, 1);
         rules::chooseResolution(c.settings(), kVideoMode1, 2);
         rules::chooseFieldOfView(c.settings(), kVideoMode1, 0);
     },
     {{3, 5}, {4, 2}}},
    {"loop recording on lowers a long clip",
     {{21, 0}, {20, 4}},
     {"video2.loop-recording=on"},
     [](KaveloConfigParser& c) { c.setCameraValue(21, 1); },
     {{21, 1}, {20, 1}}},
    {"loop recording on and off again keeps the lowered clip",
     {{9, 0}, {8, 3}},
     {"video1.loop-recording=on", "video1.loop-recording=off"},
     [](KaveloConfigParser& c) {
         c.setCameraValue(9, 1);
         windowRefresh(c);
         c.setCameraValue(9, 0);
     },
     {{9, 0}, {8, 1}}},
    {"any change lowers a long clip that loop recording forbids",
     {{9, 1}, {8, 3}},
     {"led=0"},
     [](KaveloConfigParser& c) { c.setCameraValue(37, 0); },
     {{8, 1}, {37, 0}}},
    {"a low gain is raised and goes into the named triple only",
     {{49, 6}, {51, 256}, {54, 256}},
     {"wb.custom2.green=50"},
     [](KaveloConfigParser& c) {
         c.setCameraValue(rules::customGainSetting(6, rules::Colour::Green), rules::clampGain(50));
     },
     {{54, 100}, {51, 256}}},
    {"a high gain is lowered",
     {{49, 7}},
     {"wb.custom3.red=1500"},
     [](KaveloConfigParser& c) {
         c.setCameraValue(rules::customGainSetting(7, rules::Colour::Red), rules::clampGain(1500));
     },
     {{56, 999}}},
    {"a white balance named by its caption",
     {{49, 0}},
     {"wb.mode=custom 3"},
     [](KaveloConfigParser& c) { c.setCameraValue(49, rules::whiteBalanceFromPosition(0)); },
     {{49, 7}}},
};

TEST(SetRules, TheCommandLineAndTheWindowGiveTheSameSettings) {
    ScratchDirectory scratch;
    for (const RuleCase& c : kRuleCases) {
        SCOPED_TRACE(c.what);
        const std::string path = scratch.file("CAM.TXT");
        writeWholeFile(path, configText(c.before));

        std::vector<std::string> arguments = {"set", path, "--keep-clock"};
        arguments.insert(arguments.end(), c.assignments.begin(), c.assignments.end());
        const RunResult run = runProgram(arguments);
        ASSERT_EQ(run.status, 0) << run.err;
        const KaveloConfigParser fromCommandLine = readBack(path);

        KaveloConfigParser window = readBack(path); // identification as the file's
        for (int i = 0; i < kSettingCount; ++i)
            window.setCameraValue(i, KaveloConfigParser().getCameraValue(i));
        for (const SettingValue& setting : c.before)
            window.setCameraValue(setting.index, setting.value);
        windowRefresh(window);
        c.windowChange(window);
        windowRefresh(window);

        for (int i = 0; i < kSettingCount; ++i) {
            if (i != 1) { // the date switch lives only in the date line
                EXPECT_EQ(fromCommandLine.getCameraValue(i), window.getCameraValue(i))
                    << "setting " << i;
            }
        }
        for (const SettingValue& setting : c.after)
            EXPECT_EQ(fromCommandLine.getCameraValue(setting.index), setting.value)
                << "setting " << setting.index;
    }
}

TEST(SetRules, RawStoresValuesAsGiven) {
    ScratchDirectory scratch;
    const std::string path = scratch.file("CAM.TXT");
    writeWholeFile(path, configText({{3, 3}, {4, 1}, {9, 1}}));
    const RunResult run =
        runProgram({"set", path, "--raw", "video1.resolution=1920x1080-narrow", "video1.fov=wide",
                    "video1.clip-length=4", "wb.custom1.red=5000", "29=-7", "led=9"});
    ASSERT_EQ(run.status, 0) << run.err;
    const KaveloConfigParser config = readBack(path);
    const SettingValue expected[] = {{3, 1}, {4, 1}, {8, 4}, {50, 5000}, {29, -7}, {37, 9}};
    for (const SettingValue& setting : expected)
        EXPECT_EQ(config.getCameraValue(setting.index), setting.value) << setting.index;
}

TEST(SetRules, RefusedChangesLeaveTheFileAsItWas) {
    const struct {
        std::vector<SettingValue> before;
        std::string firmware;
        std::vector<std::string> arguments;
        int status;
        std::string err;
    } cases[] = {
        {{},
         "FW v2.20",
         {"led=7"},
         3,
         "recording-light: 7 is no choice of the window; it offers 0=Off, 1=On"},
        {{}, "FW v2.20", {"video1.sound=loud"}, 3, "'loud' is no value of this setting"},
        {{}, "FW v2.20", {"video2.frame-rate=5"}, 3, "video2.frame-rate: 5 is no choice"},
        {{}, "FW v2.20", {"wb.custom1.red=lots"}, 3, "wb.custom1.red-gain: 'lots' is no value"},
        {{}, "FW v2.20", {"photo.time-lapse-custom=3"}, 3, "no control of the window sets it"},
        {{}, "FW v2.17", {"card.format=1"}, 3, "card.format: firmware 2.17 keeps no such"},
        {{{3, 9}}, "FW v2.20", {"video1.fov=wide"}, 3, "the file holds resolution code 9"},
        // the first assignment was fine: nothing of it is saved either
        {{}, "FW v2.20", {"led=0", "nosuch=1"}, 2, "unknown setting 'nosuch'"},
        {{}, "FW v2.20", {"led:0"}, 2, "'led:0' is no NAME=VALUE"},
        {{}, "FW v2.20", {"led=0", "64=1"}, 2, "unknown setting '64'"},
        {{}, "FW v2.20", {"led=0", "video1.frame-rate=60fps", "lens=9"}, 3, "lens: 9"},
        {{}, "FW v2.30", {"led=0"}, 4, "Firmware v2.30 not supported!"},
    };
    ScratchDirectory scratch;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.err);
        const std::string path = scratch.file("CAM.TXT");
        const std::string original = configText(c.before, c.firmware);
        writeWholeFile(path, original);
        std::vector<std::string> arguments = {"set", path};
        arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
        const RunResult run = runProgram(arguments);
        EXPECT_EQ(run.status, c.status);
        EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
        EXPECT_EQ(readWholeFile(path), original);
    }
}

TEST(SetRules, AFailedSaveLeavesTheFileAsItWas) {
    ScratchDirectory scratch;
    const std::string path = scratch.file("CAM.TXT");
    const std::string original = configText();
    writeWholeFile(path, original);
    // No file may grow beyond 100 bytes: the new text cannot be written.
    const RunResult run = runProgram({"set", path, "led=0"}, 100);
    EXPECT_EQ(run.status, 5);
    EXPECT_NE(run.err.find("Problem saving configuration file!!!\nkavelo-config: " + path +
                           ": Configuration file NOT saved! \nProblem during file writing!: "
                           "File too large\n"),
              std::string::npos)
        << run.err;
    EXPECT_EQ(readWholeFile(path), original);
    EXPECT_EQ(saveTemporariesIn(scratch.path()), 0);
}

} // namespace
