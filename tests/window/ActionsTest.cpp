// What each control stores when the user changes it, and what the window
// shows afterwards.
#include "WindowFixture.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <climits>

TEST_F(WindowTest, EveryRadioGroupWritesExactlyItsSetting) {
    for (const ColumnGroup& row : kColumnGroups) {
        RadioMatrix* group = d().*row.group;
        for (int column = 0; column < cellCount(group); ++column) {
            mCF.setDefaults();
            mCF.setCameraValue(8, 0); // a clip length that loop recording keeps
            mCF.setCameraValue(20, 0);
            mCF.setCameraValue(46, 1); // opens sensitivity and time-out
            mCF.setCameraValue(row.setting, 99);
            d().updateAllControls();
            const Settings before = settingsNow();
            click(group, column);
            EXPECT_EQ(mCF.getCameraValue(row.setting), column) << row.name;
            EXPECT_EQ(changed(before, settingsNow()), std::set<int>{row.setting})
                << row.name << " column " << column;
        }
    }
}

TEST_F(WindowTest, OnlyTheSwitchesOfOtherControlsRefreshTheWindow) {
    for (const ColumnGroup& row : kColumnGroups) {
        mCF.setCameraValue(46, 1);
        d().updateAllControls();
        clearRefreshMark();
        click(d().*row.group, 0);
        const bool switchesOthers = row.setting == 9 || row.setting == 21 || row.setting == 46;
        EXPECT_EQ(refreshed(), switchesOthers || row.group == &D::lensTypeOutlet) << row.name;
    }
}

TEST_F(WindowTest, AutoRecordCellSetsBothSettings) {
    const int cases[][4] = {{1, 0, 1, 0}, {0, 1, 0, 1}, {1, 1, 1, 1}, {0, 0, 0, 0}};
    for (const auto& c : cases) {
        click(d().powerOnAutoRecordOutlet, c[1], c[0]);
        EXPECT_EQ(mCF.getCameraValue(34), c[2]) << "row " << c[0] << " column " << c[1];
        EXPECT_EQ(mCF.getCameraValue(35), c[3]) << "row " << c[0] << " column " << c[1];
    }
}

TEST_F(WindowTest, SlidersStoreTheirPosition) {
    for (std::size_t i = 0; i < kSliderSettingCount; ++i) {
        const SliderSetting& row = kSliderSettings[i];
        Slider* slider = d().*row.slider;
        const QSlider* widget = slider->widget();
        for (int position = widget->maximum(); position >= widget->minimum(); --position) {
            slideTo(slider, position);
            const int expected = row.setting == 49 ? 7 - position : position;
            EXPECT_EQ(mCF.getCameraValue(row.setting), expected) << row.name << " at " << position;
        }
    }
}

TEST_F(WindowTest, SlidersRefreshOnlyTheirOwnLabel) {
    const struct {
        Slider* D::*slider;
        Label* D::*label; // nullptr: no label follows
        int position;
        const char* text;
        bool lapseLabelsToo; // the image sliders rewrite every label
    } cases[] = {
        {&D::timeLapsePhotoSliderOutlet, &D::timeLapsePhotoDelay, 3, "1s", false},
        {&D::timeLapseVideo1SliderOutlet, &D::timeLapseVideo1Delay, 8, "60s", false},
        {&D::timeLapseVideo2SliderOutlet, &D::timeLapseVideo2Delay, 1, "0.25s", false},
        {&D::exposureSliderOutlet, &D::exposureLabel, -1, "-1", true},
        {&D::sharpnessSliderOutlet, &D::sharpnessLabel, 2, "2", true},
        {&D::colorOptionSliderOutlet, nullptr, 2, "", false},
    };
    Label* D::*const lapseLabels[] = {&D::timeLapsePhotoDelay, &D::timeLapseVideo1Delay,
                                      &D::timeLapseVideo2Delay};
    for (const auto& c : cases) {
        for (Label* D::*label : lapseLabels)
            (d().*label)->setStringValue(QStringLiteral("mark"));
        slideTo(d().*c.slider, c.position);
        if (c.label != nullptr) {
            EXPECT_EQ((d().*c.label)->widget()->text(), QString::fromLatin1(c.text));
        }
        for (Label* D::*label : lapseLabels) {
            if (label != c.label) {
                EXPECT_EQ((d().*label)->widget()->text() == QStringLiteral("mark"),
                          !c.lapseLabelsToo);
            }
        }
    }
}

TEST_F(WindowTest, WhiteBalanceSliderOpensTheGainsOfACustomBalance) {
    for (int setting = 50; setting <= 58; ++setting)
        mCF.setCameraValue(setting, 200 + setting);
    slideTo(d().whiteBalanceSliderOutlet, 0);
    EXPECT_EQ(mCF.getCameraValue(49), 7);
    EXPECT_TRUE(d().whiteBalanceCustomBlue->widget()->isEnabled());
    EXPECT_EQ(d().whiteBalanceCustomRed->intValue(), 256);
    EXPECT_EQ(d().whiteBalanceCustomBlue->intValue(), 258);
    slideTo(d().whiteBalanceSliderOutlet, 7);
    EXPECT_EQ(mCF.getCameraValue(49), 0);
    EXPECT_FALSE(d().whiteBalanceCustomRed->widget()->isEnabled());
    // The fields keep the last triple shown on the way: Custom 1's.
    EXPECT_EQ(d().whiteBalanceCustomRed->intValue(), 250);
}

TEST_F(WindowTest, GainFieldsClampAndStoreIntoTheChosenTriple) {
    const struct {
        int whiteBalance;
        NumberField* D::*field;
        const char* typed;
        const char* shown;
        int setting; // -1: nothing stored
        int stored;
    } cases[] = {
        {6, &D::whiteBalanceCustomGreen, "50", "100", 54, 100},
        {6, &D::whiteBalanceCustomGreen, "1500", "999", 54, 999},
        {6, &D::whiteBalanceCustomGreen, "640", "640", 54, 640},
        // Letters and signs cannot be typed: the field keeps what it showed.
        {5, &D::whiteBalanceCustomRed, "abc", "256", -1, 0},
        {5, &D::whiteBalanceCustomBlue, "99999999999", "999", 52, 999},
        {7, &D::whiteBalanceCustomRed, "-300", "300", 56, 300},
        {7, &D::whiteBalanceCustomBlue, "100", "100", 58, 100},
        {7, &D::whiteBalanceCustomGreen, "999", "999", 57, 999},
        {7, &D::whiteBalanceCustomGreen, "321 ", "321", 57, 321},
        {7, &D::whiteBalanceCustomBlue, "12x", "100", 58, 100},
        {2, &D::whiteBalanceCustomRed, "50", "100", -1, 0},
        {4, &D::whiteBalanceCustomGreen, "640", "640", -1, 0},
        {8, &D::whiteBalanceCustomBlue, "5000", "999", -1, 0},
    };
    for (const auto& c : cases) {
        mCF.setDefaults();
        mCF.setCameraValue(49, 7);
        d().updateAllControls(); // opens the fields
        mCF.setCameraValue(49, c.whiteBalance);
        const Settings before = settingsNow();
        type(d().*c.field, QString::fromLatin1(c.typed));
        SCOPED_TRACE(testing::Message()
                     << "white balance " << c.whiteBalance << ", typed " << c.typed);
        EXPECT_EQ((d().*c.field)->stringValue(), QString::fromLatin1(c.shown));
        const std::set<int> expected = c.setting >= 0 && before[c.setting] != c.stored
                                           ? std::set<int>{c.setting}
                                           : std::set<int>{};
        EXPECT_EQ(changed(before, settingsNow()), expected);
        if (c.setting >= 0) {
            EXPECT_EQ(mCF.getCameraValue(c.setting), c.stored);
        }
    }
}

// An emptied field, or text without a number that an assistive tool puts
// there, shows again what it showed and stores nothing: the 500 stays.
TEST_F(WindowTest, AnEmptyGainFieldPutsBackItsNumber) {
    mCF.setCameraValue(49, 6);
    mCF.setCameraValue(54, 500);
    d().updateAllControls();
    QLineEdit* green = d().whiteBalanceCustomGreen->widget();
    const Settings before = settingsNow();
    green->setFocus();
    QTest::keyClick(green, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(green, Qt::Key_Backspace);
    QTest::keyClick(green, Qt::Key_Return);
    EXPECT_EQ(green->text(), QStringLiteral("500"));
    green->setText(QStringLiteral("abc")); // as an assistive tool sets it
    EXPECT_EQ(green->text(), QStringLiteral("500"));
    EXPECT_EQ(changed(before, settingsNow()), std::set<int>{});
}

TEST_F(WindowTest, GainIsStoredWhenTheUserLeavesTheField) {
    mCF.setCameraValue(49, 5);
    d().updateAllControls();
    QLineEdit* red = d().whiteBalanceCustomRed->widget();
    QTest::keyClick(red, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(red, QStringLiteral("432"));
    QFocusEvent leaving(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(red, &leaving);
    EXPECT_EQ(mCF.getCameraValue(50), 432);
}

TEST_F(WindowTest, SetDefaultsRestoresSettingsAndControls) {
    click(d().lensTypeOutlet, 2);
    slideTo(d().exposureSliderOutlet, 2);
    mCF.setCameraValue(6, 9); // no control shows it; the defaults still replace it
    d().setDefaultsButtonOutlet->setEnabled(true); // as a successful load leaves it
    QTest::mouseClick(d().setDefaultsButtonOutlet->widget(), Qt::LeftButton);
    EXPECT_EQ(changed(settingsNow(),
                      [] {
                          KaveloConfigParser defaults;
                          Settings values{};
                          for (int i = 0; i < kSettingCount; ++i)
                              values[i] = defaults.getCameraValue(i);
                          return values;
                      }()),
              std::set<int>{});
    EXPECT_EQ(d().lensTypeOutlet->selectedColumn(), 0);
    EXPECT_EQ(d().exposureLabel->widget()->text(), QStringLiteral("0"));
}

TEST_F(WindowTest, ExitAndQuitEndTheProgram) {
    QTimer::singleShot(0, d().saveConfigButtonOutlet, [this] {
        QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("exitButton")),
                          Qt::LeftButton);
    });
    EXPECT_EQ(QApplication::exec(), 0);
    QTimer::singleShot(0, d().saveConfigButtonOutlet, [this] {
        window->findChild<QAction*>(QStringLiteral("actionQuit"))->trigger();
    });
    EXPECT_EQ(QApplication::exec(), 0);
}

TEST(NumberFieldReading, ReadsLikeAtoi) {
    QLineEdit edit;
    NumberField field(&edit);
    const struct {
        const char* text;
        int value;
    } cases[] = {{"640", 640},
                 {"  12x", 12},
                 {"-5", -5},
                 {"+7", 7},
                 {"", 0},
                 {"abc", 0},
                 {"99999999999", INT_MAX},
                 {"-99999999999", INT_MIN},
                 {"1e3", 1}};
    for (const auto& c : cases) {
        edit.setText(QString::fromLatin1(c.text));
        EXPECT_EQ(field.intValue(), c.value) << c.text;
    }
}
