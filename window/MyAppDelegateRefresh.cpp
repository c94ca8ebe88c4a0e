// Refresh: every control shows its setting, and the controls that depend on
// another setting are enabled or disabled. The only setting the refresh
// changes is a clip length that loop recording does not allow.
#include "CameraRules.h"
#include "Globals.h"
#include "MyAppDelegate.h"

#include <QString>

#include <cstdint>

namespace {

using D = MyAppDelegate;
using Group = RadioMatrix* D::*;
using Cell = ButtonCell* D::*;

constexpr int kAutoRecordExternalPower = 34;
constexpr int kAutoRecordPowerButton = 35;
constexpr int kMotionDetect = 46;
constexpr int kCardFormat = 45;
constexpr int kCardFormatFromFirmware = 218; // older firmware cannot format the card
constexpr int kWhiteBalance = 49;

// A radio group that shows the setting's value as its column.
struct ColumnView {
    Group group;
    int setting;
};

// A slider whose position is the setting's value.
struct SliderView {
    Slider* D::*slider;
    int setting;
};

const ColumnView kHeadAndPower[] = {
    {&D::dateTimeFormatOutlet, 0},      {&D::syncDateTimeOutlet, 1},
    {&D::powerOnDefaultsOutlet, 2},     {&D::lensTypeOutlet, 39},
    {&D::artificialLightOutlet, 40},    {&D::powerOnDelayOutlet, 32},
    {&D::recordingLedOutlet, 37},       {&D::powerOffStandByOutlet, 33},
    {&D::powerOffDisconnectOutlet, 36}, {&D::usbDataCharging_, 38},
};

const ColumnView kMotionTvAndWebcam[] = {
    {&D::motionSensitivityOutlet, 48},  {&D::motionTimeoutOutlet, 47},
    {&D::tvVideoOutNTSC_PALOutlet, 43}, {&D::tvVideoOut43_169Outlet, 44},
    {&D::webcamModeOutlet, 41},         {&D::rotateWebcam_180Outlet, 42},
};

const ColumnView kPhoto[] = {
    {&D::photoTimeStampOutlet, 31},
    {&D::rotatePhotoOutlet, 30},
    {&D::photoFrameSizeOutlet, 27},
};

const SliderView kPhotoAndImageSliders[] = {
    {&D::timeLapsePhotoSliderOutlet, 28}, {&D::sharpnessSliderOutlet, 63},
    {&D::exposureSliderOutlet, 60},       {&D::contrastSliderOutlet, 61},
    {&D::saturationSliderOutlet, 62},     {&D::colorOptionSliderOutlet, 59},
};

// The controls of one video mode. Video mode 2's settings are video mode 1's
// plus 12; the settings named below are video mode 1's.
constexpr int kFileFormat = 14;
constexpr int kSound = 7;
constexpr int kHighDynamicRange = 13;
constexpr int kTimeStamp = 11;
constexpr int kFlip = 10;
constexpr int kQuality = 12;

struct VideoModeView {
    const rules::VideoMode& mode;
    int offset;
    Group fileFormat, sound, highDynamicRange, timeStamp, frameRate, resolution, fieldOfView, flip,
        quality;
    Slider* D::*timeLapse;
    Group loopRecording;
    Cell clipLengthCells[3]; // the clip lengths that loop recording does not allow
    Group clipLength;
};

const VideoModeView kVideoModes[] = {
    {rules::kVideoMode1,
     0,
     &D::videoSoundFileType1Outlet,
     &D::audioVolume1Outlet,
     &D::wideDynamicRange1Outlet,
     &D::videoTimeStamp1Outlet,
     &D::videoMode1FPSOutlet,
     &D::videoMode1ResOutlet,
     &D::videoMode1FOVOutlet,
     &D::rotateVideoMode1Outlet,
     &D::videoDataRate1Outlet,
     &D::timeLapseVideo1SliderOutlet,
     &D::loopRecording1Outlet,
     {&D::videoClipLength10Outlet, &D::videoClipLength15Outlet, &D::videoClipLengthMaxOutlet},
     &D::videoClipLength1Outlet},
    {rules::kVideoMode2,
     12,
     &D::videoSoundFileType2Outlet,
     &D::audioVolume2Outlet,
     &D::wideDynamicRange2Outlet,
     &D::videoTimeStamp2Outlet,
     &D::videoMode2FPSOutlet,
     &D::videoMode2ResOutlet,
     &D::videoMode2FOVOutlet,
     &D::rotateVideoMode2Outlet,
     &D::videoDataRate2Outlet,
     &D::timeLapseVideo2SliderOutlet,
     &D::loopRecording2Outlet,
     {&D::video2ClipLength10Outlet, &D::video2ClipLength15Outlet, &D::video2ClipLengthMaxOutlet},
     &D::videoClipLength2Outlet},
};

// The time-lapse interval labels: photo, video mode 1, video mode 2.
struct LapseLabel {
    int setting;
    Label* D::*label;
};
const LapseLabel kLapseLabels[] = {
    {28, &D::timeLapsePhotoDelay},
    {5, &D::timeLapseVideo1Delay},
    {17, &D::timeLapseVideo2Delay},
};

// The image sliders' number labels.
struct NumberLabel {
    Label* D::*label;
    int setting;
};
const NumberLabel kNumberLabels[] = {
    {&D::sharpnessLabel, 63},
    {&D::exposureLabel, 60},
    {&D::contrastLabel, 61},
    {&D::saturationLabel, 62},
};

NumberField* D::*const kGainFields[] = {
    &D::whiteBalanceCustomRed,
    &D::whiteBalanceCustomGreen,
    &D::whiteBalanceCustomBlue,
};

int value(int setting) {
    return mCF.getCameraValue(setting);
}

void select(RadioMatrix* group, int setting) {
    group->selectCellAtRow(0, value(setting));
}

template <std::size_t N> void showColumns(D& delegate, const ColumnView (&views)[N]) {
    for (const ColumnView& view : views)
        select(delegate.*view.group, view.setting);
}

// 7 - setting with 32-bit wrap-around, as the slider's action counts back.
int whiteBalancePosition(int whiteBalance) {
    return static_cast<int>(7u - static_cast<std::uint32_t>(whiteBalance));
}

void showVideoMode(D& d, const VideoModeView& v) {
    select(d.*v.fileFormat, kFileFormat + v.offset);
    select(d.*v.sound, kSound + v.offset);
    select(d.*v.highDynamicRange, kHighDynamicRange + v.offset);
    select(d.*v.timeStamp, kTimeStamp + v.offset);
    // Frame-rate code f is column f - 1; code 0 has no cell.
    (d.*v.frameRate)->selectCellAtRow(0, static_cast<long>(value(v.mode.frameRate)) - 1);
    const rules::ResolutionColumns columns = rules::resolutionColumns(value(v.mode.resolution));
    (d.*v.resolution)->selectCellAtRow(0, columns.resolution);
    (d.*v.fieldOfView)->selectCellAtRow(0, columns.fieldOfView);
    select(d.*v.flip, kFlip + v.offset);
    select(d.*v.quality, kQuality + v.offset);
    (d.*v.timeLapse)->setIntValue(value(v.mode.timeLapse));
    select(d.*v.loopRecording, v.mode.loopRecording);
    const bool longClipsAllowed = rules::applyLoopRecordingLimit(mCF, v.mode);
    for (Cell cell : v.clipLengthCells)
        (d.*cell)->setEnabled(longClipsAllowed);
    select(d.*v.clipLength, v.mode.clipLength);
}

} // namespace

void MyAppDelegate::updateAllControls() {
    showColumns(*this, kHeadAndPower);

    powerOnAutoRecordOutlet->selectCellAtRow(value(kAutoRecordExternalPower) != 0 ? 1 : 0,
                                             value(kAutoRecordPowerButton) != 0 ? 1 : 0);

    select(motionDetectOutlet, kMotionDetect);
    // Sensitivity and time-out matter only while motion detection is on; they
    // still show their settings when disabled.
    const bool motion = value(kMotionDetect) != 0;
    motionSensitivityOutlet->setEnabled(motion);
    motionTimeoutOutlet->setEnabled(motion);
    showColumns(*this, kMotionTvAndWebcam);

    // Firmware that cannot format the card keeps the group as it was; before
    // any file is read the firmware number is 0 and the group is open.
    const int firmware = mCF.getFirmwareNumber();
    if (firmware != 0 && firmware < kCardFormatFromFirmware) {
        formatFilesystemTypeOutlet->setEnabled(false);
    } else {
        formatFilesystemTypeOutlet->setEnabled(true);
        select(formatFilesystemTypeOutlet, kCardFormat);
    }

    for (const VideoModeView& mode : kVideoModes)
        showVideoMode(*this, mode);

    showColumns(*this, kPhoto);
    for (const SliderView& view : kPhotoAndImageSliders)
        (this->*view.slider)->setIntValue(value(view.setting));
    whiteBalanceSliderOutlet->setIntValue(whiteBalancePosition(value(kWhiteBalance)));

    updateCustomWhiteBalance();
    updateLabels();
}

// The gain fields edit the triple of the chosen custom white balance; for any
// other white balance they are disabled and keep what they showed.
void MyAppDelegate::updateCustomWhiteBalance() {
    const int whiteBalance = value(kWhiteBalance);
    const bool custom = rules::customGainSetting(whiteBalance, rules::Colour::Red) >= 0;
    for (const auto field : kGainFields)
        (this->*field)->setEnabled(custom);
    if (!custom)
        return;
    for (int colour = 0; colour < 3; ++colour) {
        const int setting =
            rules::customGainSetting(whiteBalance, static_cast<rules::Colour>(colour));
        (this->*kGainFields[colour])->setIntValue(value(setting));
    }
}

void MyAppDelegate::updateLabels() {
    for (const NumberLabel& number : kNumberLabels)
        (this->*number.label)->setStringValue(QString::asprintf("%i", value(number.setting)));
    for (int which = 0; which < 3; ++which)
        updateTimeLapseShootingLabel(which);
}

void MyAppDelegate::updateTimeLapseShootingLabel(int which) {
    if (which < 0 || which > 2)
        return;
    const LapseLabel& lapse = kLapseLabels[which];
    (this->*lapse.label)
        ->setStringValue(QString::fromLatin1(rules::timeLapseText(value(lapse.setting))));
}
