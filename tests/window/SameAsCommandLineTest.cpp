// The window and kavelo-config apply the same rules: a change made by clicking
// the window's controls and the same change made with `kavelo-config set`
// give the same settings.
#include "CliHarness.h"
#include "FileWorkflowFixture.h"

#include <QFile>

#include <functional>

namespace {

// What the user does in the window.
using WindowChange = std::function<void(MyAppDelegate&)>;

WindowChange clicks(std::vector<std::pair<RadioMatrix * D::*, long>> steps) {
    return [steps](MyAppDelegate& d) {
        for (const auto& [group, column] : steps)
            click(d.*group, column);
    };
}

struct RuleCase {
    const char* what;
    std::map<int, int> before;
    std::vector<std::string> assignments; // the command line's change
    WindowChange windowChange;            // the same change in the window
    std::vector<SettingValue> after;      // what both must give
};

const RuleCase kRuleCases[] = {
    {"60 fps at 1920x1080 narrow moves to 1280x720 wide",
     {{3, 0}, {4, 3}},
     {"video1.frame-rate=60fps"},
     clicks({{&D::videoMode1FPSOutlet, 0}}),
     {{3, 3}, {4, 1}}},
    {"a frame-rate code keeps a resolution that allows it",
     {{15, 5}, {16, 3}},
     {"video2.frame-rate=2"},
     clicks({{&D::videoMode2FPSOutlet, 1}}),
     {{15, 5}, {16, 2}}},
    {"25 fps, named by its number, changes no resolution",
     {{15, 1}, {16, 3}},
     {"video2.frame-rate=25"},
     clicks({{&D::videoMode2FPSOutlet, 3}}),
     {{15, 1}, {16, 4}}},
    {"narrowing 1280x720 raises 60 fps to 30 fps",
     {{3, 3}, {4, 1}},
     {"video1.fov=narrow"},
     clicks({{&D::videoMode1FOVOutlet, 1}}),
     {{3, 2}, {4, 3}}},
    {"narrowing 848x480 keeps 60 fps",
     {{3, 5}, {4, 1}},
     {"video1.fov=Narrow"},
     clicks({{&D::videoMode1FOVOutlet, 1}}),
     {{3, 4}, {4, 1}}},
    {"a resolution keeps the field of view",
     {{15, 0}, {16, 3}},
     {"video2.resolution=848x480"},
     clicks({{&D::videoMode2ResOutlet, 2}}),
     {{15, 4}, {16, 3}}},
    {"1920x1080 from 848x480 at 60 fps raises the frame rate",
     {{15, 4}, {16, 1}},
     {"video2.resolution=1920x1080"},
     clicks({{&D::videoMode2ResOutlet, 0}}),
     {{15, 0}, {16, 3}}},
    {"a resolution with its field of view clicks both groups",
     {{3, 5}, {4, 2}},
     {"video1.resolution=1280x720-narrow"},
     clicks({{&D::videoMode1ResOutlet, 1}, {&D::videoMode1FOVOutlet, 1}}),
     {{3, 2}, {4, 3}}},
    {"a resolution code clicks both groups",
     {{3, 4}, {4, 1}},
     {"video1.resolution=1"},
     clicks({{&D::videoMode1ResOutlet, 0}, {&D::videoMode1FOVOutlet, 0}}),
     {{3, 1}, {4, 3}}},
    {"choices apply in order, each with its rule",
     {{3, 0}, {4, 3}},
     {"video1.frame-rate=50fps", "video1.resolution=848x480", "video1.fov=wide"},
     clicks({{&D::videoMode1FPSOutlet, 1},
             {&D::videoMode1ResOutlet, 2},
             {&D::videoMode1FOVOutlet, 0}}),
     {{3, 5}, {4, 2}}},
    {"loop recording on lowers a long clip",
     {{21, 0}, {20, 4}},
     {"video2.loop-recording=on"},
     clicks({{&D::loopRecording2Outlet, 1}}),
     {{21, 1}, {20, 1}}},
    {"loop recording on and off again keeps the lowered clip",
     {{9, 0}, {8, 3}},
     {"video1.loop-recording=on", "video1.loop-recording=off"},
     clicks({{&D::loopRecording1Outlet, 1}, {&D::loopRecording1Outlet, 0}}),
     {{9, 0}, {8, 1}}},
    {"any change lowers a long clip that loop recording forbids",
     {{9, 1}, {8, 3}},
     {"led=0"},
     clicks({{&D::recordingLedOutlet, 0}}),
     {{8, 1}, {37, 0}}},
    {"a low gain is raised and goes into the named triple only",
     {{49, 6}, {51, 256}, {54, 256}},
     {"wb.custom2.green=50"},
     [](MyAppDelegate& d) { type(d.whiteBalanceCustomGreen, QStringLiteral("50")); },
     {{54, 100}, {51, 256}}},
    {"a high gain is lowered",
     {{49, 7}},
     {"wb.custom3.red=1500"},
     [](MyAppDelegate& d) { type(d.whiteBalanceCustomRed, QStringLiteral("1500")); },
     {{56, 999}}},
    {"a white balance named by its caption",
     {{49, 0}},
     {"wb.mode=custom 3"},
     [](MyAppDelegate& d) { slideTo(d.whiteBalanceSliderOutlet, 0); },
     {{49, 7}}},
};

TEST_F(FileWorkflowTest, TheCommandLineAndTheWindowGiveTheSameSettings) {
    for (const RuleCase& c : kRuleCases) {
        SCOPED_TRACE(c.what);
        const std::string text = configText(ConfigFile{c.before});
        const QString windowFile = write(QStringLiteral("WINDOW.TXT"), text);
        const std::string path = pathIn(QStringLiteral("CAM.TXT")).toStdString();
        writeWholeFile(path, text);

        std::vector<std::string> arguments = {"set", path, "--keep-clock"};
        arguments.insert(arguments.end(), c.assignments.begin(), c.assignments.end());
        const RunResult run = runProgram(arguments);
        ASSERT_EQ(run.status, 0) << run.err;
        const KaveloConfigParser fromCommandLine = readBack(path);

        d().readConfigFile(windowFile);
        c.windowChange(d());
        const KaveloConfigParser& window = mCF;

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

} // namespace
