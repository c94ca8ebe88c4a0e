// The rules by which settings change together, as the window and the
// command-line program apply them.
#include "CameraRules.h"
#include "KaveloConfigParser.h"
#include "Settings.h"

#include <climits>
#include <cstring>
#include <gtest/gtest.h>

namespace {

using rules::Refresh;

enum class Group { FieldOfView, Resolution, FrameRate };

struct VideoModeCase {
    Group group;
    long column;
    int resolutionBefore;
    int frameRateBefore;
    int resolutionAfter;
    int frameRateAfter;
    Refresh refresh;
};

// Every row of the combination rules, each run against both video modes.
const VideoModeCase kVideoModeCases[] = {
    // field of view, column 0 (wide)
    {Group::FieldOfView, 0, 0, 3, 1, 3, Refresh::None},
    {Group::FieldOfView, 0, 2, 3, 3, 3, Refresh::None},
    {Group::FieldOfView, 0, 4, 1, 5, 1, Refresh::None},
    {Group::FieldOfView, 0, 1, 3, 1, 3, Refresh::None},
    {Group::FieldOfView, 0, 3, 1, 3, 1, Refresh::None},
    {Group::FieldOfView, 0, 5, 1, 5, 1, Refresh::None},
    {Group::FieldOfView, 0, 9, 1, 9, 1, Refresh::None},
    {Group::FieldOfView, 0, 0, 1, 1, 1, Refresh::None}, // a broken pair from a file stays broken
    // field of view, column 1 (narrow)
    {Group::FieldOfView, 1, 1, 3, 0, 3, Refresh::None},
    {Group::FieldOfView, 1, 3, 1, 2, 3, Refresh::AllControls},
    {Group::FieldOfView, 1, 3, 3, 2, 3, Refresh::AllControls},
    {Group::FieldOfView, 1, 5, 1, 4, 1, Refresh::None},
    {Group::FieldOfView, 1, 0, 3, 0, 3, Refresh::None},
    {Group::FieldOfView, 1, 2, 3, 2, 3, Refresh::None},
    {Group::FieldOfView, 1, 4, 1, 4, 1, Refresh::None},
    {Group::FieldOfView, 1, -1, 1, -1, 1, Refresh::None},
    {Group::FieldOfView, 2, 3, 1, 3, 1, Refresh::None},
    {Group::FieldOfView, -1, 3, 1, 3, 1, Refresh::None},
    // resolution, column 0
    {Group::Resolution, 0, 2, 3, 0, 3, Refresh::None},
    {Group::Resolution, 0, 3, 1, 1, 3, Refresh::AllControls},
    {Group::Resolution, 0, 4, 2, 0, 3, Refresh::AllControls},
    {Group::Resolution, 0, 5, 4, 1, 4, Refresh::AllControls},
    {Group::Resolution, 0, 0, 3, 0, 3, Refresh::None},
    {Group::Resolution, 0, 1, 3, 1, 3, Refresh::None},
    {Group::Resolution, 0, 6, 1, 6, 1, Refresh::None},
    // resolution, column 1
    {Group::Resolution, 1, 0, 3, 2, 3, Refresh::AllControls},
    {Group::Resolution, 1, 0, 1, 2, 3, Refresh::AllControls},
    {Group::Resolution, 1, 1, 3, 3, 3, Refresh::None},
    {Group::Resolution, 1, 4, 1, 2, 3, Refresh::AllControls},
    {Group::Resolution, 1, 5, 1, 3, 1, Refresh::None},
    {Group::Resolution, 1, 2, 3, 2, 3, Refresh::None},
    {Group::Resolution, 1, 3, 1, 3, 1, Refresh::None},
    // resolution, column 2
    {Group::Resolution, 2, 0, 3, 4, 3, Refresh::None},
    {Group::Resolution, 2, 1, 3, 5, 3, Refresh::None},
    {Group::Resolution, 2, 2, 3, 4, 3, Refresh::None},
    {Group::Resolution, 2, 3, 1, 5, 1, Refresh::None},
    {Group::Resolution, 2, 4, 1, 4, 1, Refresh::None},
    {Group::Resolution, 2, 5, 1, 5, 1, Refresh::None},
    {Group::Resolution, 3, 0, 3, 0, 3, Refresh::None},
    // frame rate
    {Group::FrameRate, 0, 0, 3, 3, 1, Refresh::AllControls},
    {Group::FrameRate, 1, 1, 3, 3, 2, Refresh::AllControls},
    {Group::FrameRate, 1, 2, 3, 3, 2, Refresh::AllControls},
    {Group::FrameRate, 0, 4, 3, 4, 1, Refresh::AllControls},
    {Group::FrameRate, 0, 9, 3, 9, 1, Refresh::AllControls},
    {Group::FrameRate, 0, -2, 3, -2, 1, Refresh::AllControls},
    {Group::FrameRate, 2, 0, 1, 0, 3, Refresh::None},
    {Group::FrameRate, 3, 5, 1, 5, 4, Refresh::None},
    {Group::FrameRate, -1, 1, 3, 3, 0, Refresh::AllControls},
};

TEST(VideoModeRules, EveryRowForBothModesAndNoOtherSetting) {
    for (const rules::VideoMode* mode : {&rules::kVideoMode1, &rules::kVideoMode2}) {
        for (const VideoModeCase& c : kVideoModeCases) {
            KaveloConfigParser config;
            config.setCameraValue(mode->resolution, c.resolutionBefore);
            config.setCameraValue(mode->frameRate, c.frameRateBefore);
            const KaveloConfigParser before = config;
            Refresh refresh = Refresh::None;
            switch (c.group) {
            case Group::FieldOfView:
                refresh = rules::chooseFieldOfView(config.settings(), *mode, c.column);
                break;
            case Group::Resolution:
                refresh = rules::chooseResolution(config.settings(), *mode, c.column);
                break;
            case Group::FrameRate:
                refresh = rules::chooseFrameRate(config.settings(), *mode, c.column);
                break;
            }
            const std::string what = "mode setting " + std::to_string(mode->resolution) +
                                     " group " + std::to_string(static_cast<int>(c.group)) +
                                     " column " + std::to_string(c.column) + " from " +
                                     std::to_string(c.resolutionBefore) + "/" +
                                     std::to_string(c.frameRateBefore);
            EXPECT_EQ(config.getCameraValue(mode->resolution), c.resolutionAfter) << what;
            EXPECT_EQ(config.getCameraValue(mode->frameRate), c.frameRateAfter) << what;
            EXPECT_EQ(refresh, c.refresh) << what;
            for (int index = 0; index < kSettingCount; ++index) {
                if (index != mode->resolution && index != mode->frameRate) {
                    EXPECT_EQ(config.getCameraValue(index), before.getCameraValue(index)) << what;
                }
            }
        }
    }
}

TEST(VideoModeRules, ResolutionCodesShowAsColumns) {
    const struct {
        int code;
        int resolution;
        int fieldOfView;
    } cases[] = {{0, 0, 1}, {1, 0, 0}, {2, 1, 1}, {3, 1, 0},  {4, 2, 1},
                 {5, 2, 0}, {6, 0, 0}, {7, 0, 0}, {-1, 0, 0}, {INT_MIN, 0, 0}};
    for (const auto& c : cases) {
        const rules::ResolutionColumns columns = rules::resolutionColumns(c.code);
        EXPECT_EQ(columns.resolution, c.resolution) << c.code;
        EXPECT_EQ(columns.fieldOfView, c.fieldOfView) << c.code;
    }
}

TEST(LoopRecordingRule, LimitsTheClipLengthOnlyWhileLooping) {
    const struct {
        int loop;
        int clip;
        int clipAfter;
        bool longClipsOpen;
    } cases[] = {{1, 3, 1, false},   {1, 2, 1, false}, {1, 1, 1, false}, {1, 0, 0, false},
                 {1, -4, -4, false}, {7, 9, 1, false}, {0, 4, 4, true},  {0, 0, 0, true}};
    for (const rules::VideoMode* mode : {&rules::kVideoMode1, &rules::kVideoMode2}) {
        for (const auto& c : cases) {
            KaveloConfigParser config;
            config.setCameraValue(mode->loopRecording, c.loop);
            config.setCameraValue(mode->clipLength, c.clip);
            EXPECT_EQ(rules::applyLoopRecordingLimit(config.settings(), *mode), c.longClipsOpen);
            EXPECT_EQ(config.getCameraValue(mode->clipLength), c.clipAfter);
        }
    }
}

TEST(WhiteBalanceRules, GainsClampAndGoToTheSelectedTriple) {
    for (auto [typed, stored] : {std::pair{50, 100},
                                 {99, 100},
                                 {100, 100},
                                 {640, 640},
                                 {999, 999},
                                 {1500, 999},
                                 {INT_MIN, 100},
                                 {INT_MAX, 999}})
        EXPECT_EQ(rules::clampGain(typed), stored) << typed;

    using rules::Colour;
    EXPECT_EQ(rules::customGainSetting(5, Colour::Red), 50);
    EXPECT_EQ(rules::customGainSetting(6, Colour::Green), 54);
    EXPECT_EQ(rules::customGainSetting(7, Colour::Blue), 58);
    for (int whiteBalance : {0, 2, 4, 8, -1, INT_MIN})
        EXPECT_EQ(rules::customGainSetting(whiteBalance, Colour::Green), -1) << whiteBalance;

    EXPECT_EQ(rules::whiteBalanceFromPosition(0), 7);
    EXPECT_EQ(rules::whiteBalanceFromPosition(7), 0);
    EXPECT_EQ(rules::whiteBalanceFromPosition(INT_MIN), static_cast<int>(0x80000007u));
}

TEST(TimeLapseText, NamesEachIntervalAndOffOtherwise) {
    const char* const expected[] = {"Off", "0.25s", "0.5s", "1s", "2s", "5s", "10s", "30s", "60s"};
    for (int code = 0; code <= 8; ++code)
        EXPECT_STREQ(rules::timeLapseText(code), expected[code]);
    for (int code : {9, -1, INT_MAX, INT_MIN})
        EXPECT_STREQ(rules::timeLapseText(code), "Off");
}

TEST(SettingChoices, CaptionsCoverEveryOfferedValue) {
    for (int index = 0; index < kSettingCount; ++index) {
        const SettingRow& setting = settingRow(index);
        if (setting.valueCaptions == nullptr)
            continue;
        for (int value = setting.minimum; value <= setting.maximum; ++value)
            EXPECT_NE(valueCaption(index, value), nullptr) << index << " " << value;
        EXPECT_EQ(valueCaption(index, setting.maximum + 1), nullptr) << index;
    }
    EXPECT_STREQ(valueCaption(39, 2), "Fisheye");
    EXPECT_STREQ(valueCaption(49, 7), "Custom 3");
    EXPECT_TRUE(offered(6, INT_MIN)); // no control: any value passes through
}

} // namespace
