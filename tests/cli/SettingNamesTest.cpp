// The names the command line takes: every setting's own, every name of
// earlier versions, the window's captions, and a hint for a typo.
#include "ExitCodes.h"
#include "SettingNames.h"
#include "Settings.h"

#include <gtest/gtest.h>

#include <set>

namespace {

// The names kavelo-config 1.0 knew, by index; scripts written for it must
// keep working.
const char* const kEarlierNames[kSettingCount] = {
    "date.format", "date.set-clock", "default-mode", "video1.resolution", "video1.frame-rate",
    "video1.time-lapse", "video1.time-lapse-custom", "video1.sound", "video1.clip-length",
    "video1.loop-recording", "video1.flip", "video1.time-stamp", "video1.quality", "video1.hdr",
    "video1.file-format", "video2.resolution", "video2.frame-rate", "video2.time-lapse",
    "video2.time-lapse-custom", "video2.sound", "video2.clip-length", "video2.loop-recording",
    "video2.flip", "video2.time-stamp", "video2.quality", "video2.hdr", "video2.file-format",
    "photo.size", "photo.time-lapse", "photo.time-lapse-custom", "photo.flip", "photo.time-stamp",
    "power.on-delay", "power.auto-off", "power.auto-record-external", "power.button-auto-record",
    "power.off-on-disconnect", "led", "usb.charging", "lens", "light-frequency", "webcam.mode",
    "webcam.flip", "tv.system", "tv.ratio", "card.format", "motion.detect", "motion.timeout",
    "motion.sensitivity", "wb.mode", "wb.custom1.red", "wb.custom1.green", "wb.custom1.blue",
    "wb.custom2.red", "wb.custom2.green", "wb.custom2.blue", "wb.custom3.red", "wb.custom3.green",
    "wb.custom3.blue", "image.color-effect", "image.exposure", "image.contrast",
    "image.saturation", "image.sharpness",
};

Target find(const std::string& text) {
    Target target{Target::Setting, -1, ""};
    EXPECT_TRUE(findTarget(text, &target)) << text;
    return target;
}

TEST(SettingNames, EveryNameOfEarlierVersionsStillNamesItsSetting) {
    for (int i = 0; i < kSettingCount; ++i) {
        const Target target = find(kEarlierNames[i]);
        EXPECT_EQ(target.kind, Target::Setting) << kEarlierNames[i];
        EXPECT_EQ(target.setting, i) << kEarlierNames[i];
        EXPECT_EQ(target.name, settingName(i)) << kEarlierNames[i];
    }
    for (const char* fov : {"video1.fov", "VIDEO2.FOV", "video1.field-of-view"})
        EXPECT_EQ(find(fov).kind, Target::FieldOfView) << fov;
}

TEST(SettingNames, EachNameIsTheWindowsCaptionAndUnique) {
    std::set<std::string> names;
    for (int i = 0; i < kSettingCount; ++i) {
        EXPECT_TRUE(names.insert(settingName(i)).second) << settingName(i);
        EXPECT_EQ(find(std::to_string(i)).setting, i);
    }
    const struct {
        const char* typed;
        const char* name;
    } cases[] = {
        {"Recording light", "recording-light"}, {"recording light", "recording-light"},
        {"USB mode", "usb.mode"},               {"Photo size", "photo.size"},
        {"Power-on delay", "power.on-delay"},   {"Web camera orientation", "web-camera-orientation"},
        {"Motion detection", "motion.detection"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(find(c.typed).name, c.name) << c.typed;
        EXPECT_EQ(find(c.name).name, c.name);
    }
}

TEST(SettingNames, UnknownAndSharedNamesSayWhatToType) {
    const struct {
        const char* typed;
        const char* says;
    } cases[] = {
        {"lense", "unknown setting 'lense' (did you mean 'lens'?);"},
        {"video1.framerate", "did you mean 'video1.frame-rate'?"},
        {"recordin-light", "did you mean 'recording-light'?"},
        {"Resolution", "name video1.resolution or video2.resolution"},
        {"Green gain", "name wb.custom1.green-gain or wb.custom2.green-gain or wb.custom3.green-gain"},
        {"zoom", "unknown setting 'zoom'"},
    };
    for (const auto& c : cases) {
        try {
            requireTarget(c.typed);
            ADD_FAILURE() << c.typed << " was taken";
        } catch (const CommandFailure& failure) {
            EXPECT_EQ(failure.exitCode, kExitUsage);
            EXPECT_NE(std::string(failure.what()).find(c.says), std::string::npos) << failure.what();
        }
    }
    try {
        requireTarget("zoom");
    } catch (const CommandFailure& failure) {
        EXPECT_EQ(std::string(failure.what()).find("did you mean"), std::string::npos);
    }
}

} // namespace
