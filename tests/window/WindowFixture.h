// The real settings window, built from the form with its delegate bound, and
// the ways a user changes its controls.
#pragma once

#include "Alerts.h"
#include "Globals.h"
#include "MyAppDelegate.h"

#include <QMainWindow>
#include <gtest/gtest.h>

#include <array>
#include <iterator>
#include <memory>
#include <ostream>
#include <set>
#include <string>

// Readable failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

using D = MyAppDelegate;
using Group = RadioMatrix* D::*;

// Every one-row radio group whose column is its setting's value.
struct ColumnGroup {
    Group group;
    int setting;
    const char* name;
};

// Every slider, with the setting it shows (white balance: 7 - setting).
struct SliderSetting {
    Slider* D::*slider;
    int setting;
    const char* name;
};
#define GROUP(member, setting)                                                                     \
    { &D::member, setting, #member }

inline const ColumnGroup kColumnGroups[] = {
    GROUP(dateTimeFormatOutlet, 0),       GROUP(syncDateTimeOutlet, 1),
    GROUP(powerOnDefaultsOutlet, 2),      GROUP(audioVolume1Outlet, 7),
    GROUP(videoClipLength1Outlet, 8),     GROUP(loopRecording1Outlet, 9),
    GROUP(rotateVideoMode1Outlet, 10),    GROUP(videoTimeStamp1Outlet, 11),
    GROUP(videoDataRate1Outlet, 12),      GROUP(wideDynamicRange1Outlet, 13),
    GROUP(videoSoundFileType1Outlet, 14), GROUP(audioVolume2Outlet, 19),
    GROUP(videoClipLength2Outlet, 20),    GROUP(loopRecording2Outlet, 21),
    GROUP(rotateVideoMode2Outlet, 22),    GROUP(videoTimeStamp2Outlet, 23),
    GROUP(videoDataRate2Outlet, 24),      GROUP(wideDynamicRange2Outlet, 25),
    GROUP(videoSoundFileType2Outlet, 26), GROUP(photoFrameSizeOutlet, 27),
    GROUP(rotatePhotoOutlet, 30),         GROUP(photoTimeStampOutlet, 31),
    GROUP(powerOnDelayOutlet, 32),        GROUP(powerOffStandByOutlet, 33),
    GROUP(powerOffDisconnectOutlet, 36),  GROUP(recordingLedOutlet, 37),
    GROUP(usbDataCharging_, 38),          GROUP(lensTypeOutlet, 39),
    GROUP(artificialLightOutlet, 40),     GROUP(webcamModeOutlet, 41),
    GROUP(rotateWebcam_180Outlet, 42),    GROUP(tvVideoOutNTSC_PALOutlet, 43),
    GROUP(tvVideoOut43_169Outlet, 44),    GROUP(formatFilesystemTypeOutlet, 45),
    GROUP(motionDetectOutlet, 46),        GROUP(motionTimeoutOutlet, 47),
    GROUP(motionSensitivityOutlet, 48),
};

inline const SliderSetting kSliderSettings[] = {
    GROUP(timeLapseVideo1SliderOutlet, 5), GROUP(timeLapseVideo2SliderOutlet, 17),
    GROUP(timeLapsePhotoSliderOutlet, 28), GROUP(whiteBalanceSliderOutlet, 49),
    GROUP(colorOptionSliderOutlet, 59),    GROUP(exposureSliderOutlet, 60),
    GROUP(contrastSliderOutlet, 61),       GROUP(saturationSliderOutlet, 62),
    GROUP(sharpnessSliderOutlet, 63),
};
inline const std::size_t kSliderSettingCount = std::size(kSliderSettings);
#undef GROUP

class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    std::unique_ptr<QMainWindow> window;
    std::unique_ptr<MyAppDelegate> delegate;
    MyAppDelegate& d() { return *delegate; }

    // A control that only updateAllControls sets: cleared before an action,
    // it shows again whether that action refreshed the whole window.
    void clearRefreshMark();
    bool refreshed() const;

    // The questions the window asked, each answered with `answer`.
    std::vector<Question> questions;
    QMessageBox::StandardButton answer = QMessageBox::Discard;

  private:
    ScopedQuestionHandler questionHandler{[this](const Question& question) {
        questions.push_back(question);
        return answer;
    }};
};

// The number of radio cells of a group.
int cellCount(const RadioMatrix* group);

// User interaction.
void click(RadioMatrix* group, long column, long row = 0);
void type(NumberField* field, const QString& text); // replaces the text, then Return
void slideTo(Slider* slider, int position);         // keyboard: Home, then Right steps

// All 64 settings, and which of them differ between two moments.
using Settings = std::array<int, kSettingCount>;
Settings settingsNow();
std::set<int> changed(const Settings& before, const Settings& after);

// Reads into mCF a file our writer produced, with the given firmware
// identifier ("KAVELO v2.10") and card-format setting.
void loadFileWithFirmware(const std::string& firmware, int cardFormat);
