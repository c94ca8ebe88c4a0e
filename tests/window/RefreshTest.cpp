// The refresh shows every setting, enables the controls that depend on other
// settings, and changes no setting but a clip length that loop recording
// does not allow.
#include "WindowFixture.h"

#include <QLineEdit>
#include <QSlider>

#include <algorithm>
#include <climits>

TEST_F(WindowTest, EveryGroupShowsItsSettingAndNoCellForAValueWithoutOne) {
    for (const ColumnGroup& row : kColumnGroups) {
        RadioMatrix* group = d().*row.group;
        for (int value : {0, 1, cellCount(group) - 1, cellCount(group), -1, INT_MIN}) {
            mCF.setCameraValue(row.setting, value);
            d().updateAllControls();
            const long shown = value >= 0 && value < cellCount(group) ? value : -1;
            EXPECT_EQ(group->selectedColumn(), shown) << row.name << " at " << value;
            EXPECT_EQ(mCF.getCameraValue(row.setting), value) << row.name;
        }
        mCF.setDefaults();
    }
}

TEST_F(WindowTest, ValuesNoControlCanShowAreNeverWrittenBack) {
    const int unshowable[][2] = {
        {0, 7},    {2, -3},   {4, 0},  {16, 0},    {3, 77}, {15, -1},      {5, 12},
        {17, -4},  {28, 99},  {8, 9},  {20, -2},   {34, 5}, {35, -7},      {45, 3},
        {46, 2},   {49, 7},   {57, 5}, {56, 4000}, {59, 5}, {60, INT_MIN}, {61, 3},
        {62, -30}, {63, 100}, {14, 2}, {48, 8},
    };
    for (const auto& setting : unshowable)
        mCF.setCameraValue(setting[0], setting[1]);
    const Settings before = settingsNow();
    d().updateAllControls();
    // Nor when the user then walks through the window with the keyboard.
    for (QWidget* widget : window->findChildren<QWidget*>())
        widget->setFocus();
    EXPECT_EQ(changed(before, settingsNow()), std::set<int>{});
    EXPECT_EQ(d().exposureSliderOutlet->widget()->value(), -2);
    EXPECT_EQ(d().videoMode1FPSOutlet->selectedColumn(), -1);
    EXPECT_EQ(d().whiteBalanceCustomRed->stringValue(), QStringLiteral("4000"));
}

TEST_F(WindowTest, LoopRecordingAllowsOnlyShortClips) {
    const struct {
        bool secondMode;
        int loop, clipBefore, clipAfter;
        bool longClipsOpen;
    } cases[] = {
        {false, 1, 3, 1, false}, {false, 1, 2, 1, false}, {false, 1, 1, 1, false},
        {false, 1, 0, 0, false}, {false, 7, 4, 1, false}, {false, 1, -5, -5, false},
        {true, 0, 4, 4, true},   {true, 0, 99, 99, true}, {true, 1, 4, 1, false},
    };
    for (const auto& c : cases) {
        const int loop = c.secondMode ? 21 : 9, clip = c.secondMode ? 20 : 8;
        ButtonCell* cells[] = {
            c.secondMode ? d().video2ClipLength10Outlet : d().videoClipLength10Outlet,
            c.secondMode ? d().video2ClipLength15Outlet : d().videoClipLength15Outlet,
            c.secondMode ? d().video2ClipLengthMaxOutlet : d().videoClipLengthMaxOutlet};
        RadioMatrix* group = c.secondMode ? d().videoClipLength2Outlet : d().videoClipLength1Outlet;
        mCF.setCameraValue(loop, c.loop);
        mCF.setCameraValue(clip, c.clipBefore);
        const Settings before = settingsNow();
        d().updateAllControls();
        SCOPED_TRACE(testing::Message() << "loop " << c.loop << " clip " << c.clipBefore);
        EXPECT_EQ(mCF.getCameraValue(clip), c.clipAfter);
        EXPECT_TRUE(changed(before, settingsNow()).size() <= 1);
        for (ButtonCell* cell : cells)
            EXPECT_EQ(cell->widget()->isEnabled(), c.longClipsOpen);
        EXPECT_EQ(group->selectedColumn(), c.clipAfter >= 0 && c.clipAfter <= 4 ? c.clipAfter : -1);
    }
}

TEST_F(WindowTest, SwitchingLoopRecordingRefreshesTheClipLengths) {
    mCF.setCameraValue(8, 3);
    d().updateAllControls();
    click(d().loopRecording1Outlet, 1);
    EXPECT_EQ(mCF.getCameraValue(9), 1);
    EXPECT_EQ(mCF.getCameraValue(8), 1);
    EXPECT_FALSE(d().videoClipLengthMaxOutlet->widget()->isEnabled());
    EXPECT_TRUE(d().video2ClipLengthMaxOutlet->widget()->isEnabled());
    EXPECT_EQ(d().videoClipLength1Outlet->selectedColumn(), 1);
    click(d().loopRecording1Outlet, 0);
    EXPECT_TRUE(d().videoClipLength10Outlet->widget()->isEnabled());
    EXPECT_EQ(mCF.getCameraValue(8), 1);
}

TEST_F(WindowTest, MotionDetectionOpensSensitivityAndTimeout) {
    for (int motion : {0, 1, 3, -1}) {
        mCF.setCameraValue(46, motion);
        mCF.setCameraValue(48, 2);
        mCF.setCameraValue(47, 3);
        d().updateAllControls();
        EXPECT_EQ(d().motionSensitivityOutlet->widget()->isEnabled(), motion != 0) << motion;
        EXPECT_EQ(d().motionTimeoutOutlet->widget()->isEnabled(), motion != 0) << motion;
        EXPECT_EQ(d().motionSensitivityOutlet->selectedColumn(), 2);
        EXPECT_EQ(d().motionTimeoutOutlet->selectedColumn(), 3);
    }
    click(d().motionDetectOutlet, 1);
    EXPECT_TRUE(d().motionTimeoutOutlet->widget()->isEnabled());
    click(d().motionDetectOutlet, 0);
    EXPECT_FALSE(d().motionSensitivityOutlet->widget()->isEnabled());
}

TEST_F(WindowTest, CardFormatNeedsFirmwareThatCanFormat) {
    // Before any file: open, showing the default.
    EXPECT_TRUE(d().formatFilesystemTypeOutlet->widget()->isEnabled());
    EXPECT_EQ(d().formatFilesystemTypeOutlet->selectedColumn(), 0);
    const struct {
        const char* firmware;
        int cardFormat;
        bool open;
        long shown;
    } cases[] = {
        {"KAVELO v2.25", 1, true, 1},  {"KAVELO v2.10", 0, false, 1}, {"KAVELO v2.18", 0, true, 0},
        {"KAVELO v2.17", 1, false, 0}, {"KAVELO v2.20", 1, true, 1},
    };
    for (const auto& c : cases) {
        loadFileWithFirmware(c.firmware, c.cardFormat);
        d().updateAllControls();
        EXPECT_EQ(d().formatFilesystemTypeOutlet->widget()->isEnabled(), c.open) << c.firmware;
        EXPECT_EQ(d().formatFilesystemTypeOutlet->selectedColumn(), c.shown) << c.firmware;
    }
}

TEST_F(WindowTest, GainFieldsShowTheChosenCustomWhiteBalance) {
    for (int setting = 50; setting <= 58; ++setting)
        mCF.setCameraValue(setting, 100 + setting);
    const struct {
        int whiteBalance;
        bool open;
        int red, green, blue; // the numbers the fields then show
    } cases[] = {
        {6, true, 153, 154, 155},   {0, false, 153, 154, 155}, {5, true, 150, 151, 152},
        {4, false, 150, 151, 152},  {7, true, 156, 157, 158},  {8, false, 156, 157, 158},
        {-1, false, 156, 157, 158},
    };
    for (const auto& c : cases) {
        mCF.setCameraValue(49, c.whiteBalance);
        d().updateAllControls();
        SCOPED_TRACE(c.whiteBalance);
        for (NumberField* field :
             {d().whiteBalanceCustomRed, d().whiteBalanceCustomGreen, d().whiteBalanceCustomBlue})
            EXPECT_EQ(field->widget()->isEnabled(), c.open);
        EXPECT_EQ(d().whiteBalanceCustomRed->intValue(), c.red);
        EXPECT_EQ(d().whiteBalanceCustomGreen->intValue(), c.green);
        EXPECT_EQ(d().whiteBalanceCustomBlue->intValue(), c.blue);
        EXPECT_EQ(d().whiteBalanceSliderOutlet->widget()->value(),
                  std::clamp(7 - c.whiteBalance, 0, 7));
    }
}

TEST_F(WindowTest, LabelsShowNumbersAndIntervals) {
    const struct {
        int setting, value;
        Label* D::*label;
        const char* text;
    } cases[] = {
        {60, -2, &D::exposureLabel, "-2"},        {61, 2, &D::contrastLabel, "2"},
        {62, 0, &D::saturationLabel, "0"},        {63, 17, &D::sharpnessLabel, "17"},
        {28, 0, &D::timeLapsePhotoDelay, "Off"},  {28, 1, &D::timeLapsePhotoDelay, "0.25s"},
        {5, 2, &D::timeLapseVideo1Delay, "0.5s"}, {5, 3, &D::timeLapseVideo1Delay, "1s"},
        {17, 4, &D::timeLapseVideo2Delay, "2s"},  {17, 5, &D::timeLapseVideo2Delay, "5s"},
        {28, 6, &D::timeLapsePhotoDelay, "10s"},  {5, 7, &D::timeLapseVideo1Delay, "30s"},
        {17, 8, &D::timeLapseVideo2Delay, "60s"}, {5, 9, &D::timeLapseVideo1Delay, "Off"},
        {28, -1, &D::timeLapsePhotoDelay, "Off"},
    };
    for (const auto& c : cases) {
        mCF.setDefaults();
        mCF.setCameraValue(c.setting, c.value);
        d().updateAllControls();
        EXPECT_EQ((d().*c.label)->widget()->text(), QString::fromLatin1(c.text))
            << "setting " << c.setting << " at " << c.value;
    }
}

TEST_F(WindowTest, EachTimeLapseLabelFollowsOnlyItsOwnSetting) {
    for (int which = 0; which < 3; ++which) {
        Label* labels[] = {d().timeLapsePhotoDelay, d().timeLapseVideo1Delay,
                           d().timeLapseVideo2Delay};
        for (Label* label : labels)
            label->setStringValue(QStringLiteral("unchanged"));
        mCF.setCameraValue(28, 3);
        mCF.setCameraValue(5, 4);
        mCF.setCameraValue(17, 5);
        d().updateTimeLapseShootingLabel(which);
        const char* expected[] = {"1s", "2s", "5s"};
        for (int other = 0; other < 3; ++other)
            EXPECT_EQ(labels[other]->widget()->text(), other == which
                                                           ? QString::fromLatin1(expected[which])
                                                           : QStringLiteral("unchanged"));
    }
    d().updateTimeLapseShootingLabel(3); // no such label: nothing happens
}

TEST_F(WindowTest, ResolutionCodeShowsAsResolutionAndFieldOfView) {
    const int cases[][3] = {
        {0, 0, 1}, {1, 0, 0}, {2, 1, 1}, {3, 1, 0},  {4, 2, 1},
        {5, 2, 0}, {6, 0, 0}, {7, 0, 0}, {-1, 0, 0}, {INT_MIN, 0, 0},
    };
    for (const auto& c : cases) {
        mCF.setCameraValue(3, c[0]);
        mCF.setCameraValue(15, c[0]);
        d().updateAllControls();
        for (Group res : {&D::videoMode1ResOutlet, &D::videoMode2ResOutlet})
            EXPECT_EQ((d().*res)->selectedColumn(), c[1]) << "code " << c[0];
        for (Group fov : {&D::videoMode1FOVOutlet, &D::videoMode2FOVOutlet})
            EXPECT_EQ((d().*fov)->selectedColumn(), c[2]) << "code " << c[0];
        EXPECT_EQ(mCF.getCameraValue(15), c[0]);
    }
}

TEST_F(WindowTest, AutoRecordCellFollowsBothSettings) {
    const int cases[][4] = {
        {0, 0, 0, 0}, {1, 0, 1, 0}, {0, 1, 0, 1}, {1, 1, 1, 1}, {5, 0, 1, 0}, {-1, 7, 1, 1},
    };
    for (const auto& c : cases) {
        mCF.setCameraValue(34, c[0]);
        mCF.setCameraValue(35, c[1]);
        d().updateAllControls();
        EXPECT_EQ(d().powerOnAutoRecordOutlet->selectedRow(), c[2]) << c[0] << "," << c[1];
        EXPECT_EQ(d().powerOnAutoRecordOutlet->selectedColumn(), c[3]) << c[0] << "," << c[1];
        EXPECT_EQ(mCF.getCameraValue(34), c[0]);
    }
}

TEST_F(WindowTest, FrameRateCodeShowsOneColumnLower) {
    for (int code : {1, 2, 3, 4, 0, 5, -3}) {
        mCF.setCameraValue(4, code);
        d().updateAllControls();
        EXPECT_EQ(d().videoMode1FPSOutlet->selectedColumn(), code >= 1 && code <= 4 ? code - 1 : -1)
            << code;
    }
}
