// One camera's file given another's settings: what each kind of camera file
// comes to, that nothing is written but a checked save, and the clock choice.
#include "CameraCopy.h"
#include "CameraRules.h"
#include "FileLock.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <thread>

namespace {

// A camera file as our writer lays it out for `firmware`; one the reader
// does not take (2.30) is a 2.20 file renamed.
std::string cameraFile(const ScratchDirectory& scratch, const std::string& name,
                       const std::string& firmware) {
    const bool supported = firmware != "KAVELO FW v2.30";
    const KaveloConfigParser config = parserIdentifiedAs(supported ? firmware : "KAVELO FW v2.20");
    const std::string path = scratch.file(name);
    stderrOf([&] { EXPECT_TRUE(config.writeConfigFile(path.c_str())); });
    if (!supported) {
        std::string text = readWholeFile(path);
        text.replace(text.find("v2.20"), 5, "v2.30");
        writeWholeFile(path, text);
    }
    return path;
}

// A helmet's settings: a wide lens, and a loop recording whose clip is too
// long for it (the rule lowers it to 1).
SettingValues helmet() {
    SettingValues values = parserIdentifiedAs("KAVELO FW v2.20").settings();
    values[kLens] = 2;
    values[rules::kVideoMode1.loopRecording] = 1;
    values[rules::kVideoMode1.clipLength] = 3;
    values[kDateTime] = 1;
    return values;
}

CameraCopy copyHelmet(const std::string& path, CameraCopyOptions options = {}) {
    CameraCopy copy;
    stderrOf([&] {
        copy = copyIntoCamera(
            path, [](const KaveloConfigParser&) { return helmet(); }, options);
    });
    return copy;
}

TEST(CameraCopy, EachKindOfCameraFileComesToItsResult) {
    const ScratchDirectory scratch;
    struct Case {
        const char* name;
        const char* firmware; // nullptr: no file at all
        CameraCopy::Result result;
    } cases[] = {
        {"OLD.TXT", "KAVELO FW v2.17", CameraCopy::savedAndChecked},
        {"NEW.TXT", "KAVELO FW v2.20", CameraCopy::savedAndChecked},
        {"ODD.TXT", "KAVELO FW v2.30", CameraCopy::refused},
        {"MISSING.TXT", nullptr, CameraCopy::unreadable},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path =
            c.firmware != nullptr ? cameraFile(scratch, c.name, c.firmware) : scratch.file(c.name);
        const std::string text = c.firmware != nullptr ? readWholeFile(path) : std::string();
        const CameraCopy copy = copyHelmet(path);
        EXPECT_EQ(copy.result, c.result);
        if (c.result != CameraCopy::savedAndChecked) {
            EXPECT_FALSE(copy.reason.empty());
            EXPECT_EQ(c.firmware != nullptr ? readWholeFile(path) : text, text);
            continue;
        }
        KaveloConfigParser read;
        stderrOf([&] { ASSERT_TRUE(read.readConfigFile(path.c_str())); });
        EXPECT_STREQ(read.getFirmwareString(), c.firmware); // never the source's
        EXPECT_EQ(read.getCameraValue(kLens), 2);
        EXPECT_EQ(read.getCameraValue(rules::kVideoMode1.clipLength), 1);
    }
    EXPECT_NE(copyHelmet(scratch.file("ODD.TXT")).reason.find("v2.30"), std::string::npos);
}

// Only a save that went through is left behind: a dry run, another
// program's lock and a source that fails leave the file as it was.
TEST(CameraCopy, NothingButACheckedSaveTouchesTheFile) {
    const ScratchDirectory scratch;
    const std::string path = cameraFile(scratch, "CONFIG.TXT", "KAVELO FW v2.20");
    const std::string text = readWholeFile(path);

    CameraCopyOptions dryRun;
    dryRun.dryRun = true;
    const CameraCopy preview = copyHelmet(path, dryRun);
    EXPECT_EQ(preview.result, CameraCopy::wouldChange);
    EXPECT_EQ(
        changedSettings(preview.before.settings(), preview.after.settings()),
        (std::vector<int>{rules::kVideoMode1.clipLength, rules::kVideoMode1.loopRecording, kLens}));
    EXPECT_EQ(readWholeFile(path), text);

    CameraCopyOptions impatient;
    impatient.lockLimit = std::chrono::milliseconds(100);
    {
        const FileLock held(path);
        EXPECT_EQ(copyHelmet(path, impatient).result, CameraCopy::busy);
    }
    EXPECT_THROW(copyIntoCamera(
                     path,
                     [](const KaveloConfigParser&) -> SettingValues {
                         throw std::runtime_error("the source cannot be read");
                     },
                     impatient),
                 std::runtime_error);
    EXPECT_EQ(readWholeFile(path), text);
    // and the lock went with the failure
    EXPECT_EQ(copyHelmet(path, impatient).result, CameraCopy::savedAndChecked);
}

// A file keeps no clock choice: read, a camera's file sets the clock on its
// save, as a load in the window does, unless the clock is left alone.
TEST(CameraCopy, TheClockIsSetUnlessLeftAlone) {
    const ScratchDirectory scratch;
    using Clock = CameraCopyOptions::Clock;
    const std::string path = cameraFile(scratch, "CONFIG.TXT", "KAVELO FW v2.20");
    for (const auto& [clock, placeholder] :
         {std::pair{Clock::camerasOwn, false}, std::pair{Clock::leaveAlone, true},
          std::pair{Clock::set, false}}) {
        CameraCopyOptions options;
        options.clock = clock;
        ASSERT_EQ(copyHelmet(path, options).result, CameraCopy::savedAndChecked);
        EXPECT_EQ(readWholeFile(path).find("Date time=[????") != std::string::npos, placeholder)
            << static_cast<int>(clock);
    }
}

} // namespace
