// set: values stored as given with --raw, and a set that fails leaves the
// file byte for byte as it was. (That set and the window's controls give the
// same settings is tested beside the window.)
#include "CliHarness.h"
#include "WindowsSkips.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include "SmallFileSystem.h"
#endif

namespace {

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

#ifdef _WIN32
SKIPPED_ON_WINDOWS(SetRules, AFailedSaveLeavesTheFileAsItWas,
                   "it fails the save by a file-size limit (setrlimit); the Windows cases fail it "
                   "by the read-only attribute")
SKIPPED_ON_WINDOWS(SetRules, AFullCardIsWrittenInPlaceOnlyWhenAskedTo,
                   "it fills a small tmpfs card that it mounts")
#else
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

// A card full of video: no room for the safety copy, but the new text fits
// where the file is. Without --in-place the message names it; with it the
// file is written over itself.
TEST(SetRules, AFullCardIsWrittenInPlaceOnlyWhenAskedTo) {
    ScratchDirectory scratch;
    const std::string where = scratch.file("card");
    ASSERT_TRUE(makeFolder(where));
    const SmallFileSystem card(where, "16k");
    if (!card.mounted())
        GTEST_SKIP() << card.reason();
    const std::string path = where + "/CONFIG.TXT";
    const std::string original = configText();
    writeWholeFile(path, original);
    fill(where);

    const RunResult refused = runProgram({"set", path, "led=0"});
    EXPECT_EQ(refused.status, 5);
    EXPECT_NE(refused.err.find("No space left on device\nThe new text fits in the space the file "
                               "takes: --in-place writes it over the file"),
              std::string::npos)
        << refused.err;
    EXPECT_EQ(readWholeFile(path), original);

    for (const char* command : {"set", "sync-clock"}) {
        const RunResult run = command == std::string("set")
                                  ? runProgram({"set", path, "led=0", "--in-place"})
                                  : runProgram({"sync-clock", path, "--in-place"});
        EXPECT_EQ(run.status, 0) << command << ": " << run.err;
    }
    const RunResult led = runProgram({"get", path, "led"});
    EXPECT_EQ(led.out.substr(0, 1), "0") << led.out;
    EXPECT_EQ(saveTemporariesIn(where), 0);
}
#endif

} // namespace
