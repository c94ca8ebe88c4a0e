// Control actions: what each control stores in mCF and which refresh follows.
#include "CameraRules.h"
#include "Globals.h"
#include "MyAppDelegate.h"

namespace {

using D = MyAppDelegate;

constexpr int kAutoRecordExternalPower = 34;
constexpr int kAutoRecordPowerButton = 35;
constexpr int kWhiteBalance = 49;

// The refresh that follows a change.
enum class Then {
    Nothing,
    AllControls,        // the setting enables or disables other controls
    CustomWhiteBalance, // the gain fields follow the white balance
    Labels,             // the image sliders' numbers
    PhotoLapseLabel,
    Video1LapseLabel,
    Video2LapseLabel,
};

// Radio groups whose selected column is the setting's value.
struct ColumnAction {
    void (D::*action)(RadioMatrix*);
    RadioMatrix* D::*outlet;
    int setting;
    Then then;
};
const ColumnAction kColumnActions[] = {
    {&D::syncDateTime, &D::syncDateTimeOutlet, 1, Then::Nothing},
    {&D::lensType, &D::lensTypeOutlet, 39, Then::Nothing},
    {&D::artificialLightFreq, &D::artificialLightOutlet, 40, Then::Nothing},
    {&D::recordingIndicator, &D::recordingLedOutlet, 37, Then::Nothing},
    {&D::usbDataCharging, &D::usbDataCharging_, 38, Then::Nothing},
    {&D::powerOnDefaults, &D::powerOnDefaultsOutlet, 2, Then::Nothing},
    {&D::dateTimeFormat, &D::dateTimeFormatOutlet, 0, Then::Nothing},
    {&D::powerOnDelay, &D::powerOnDelayOutlet, 32, Then::Nothing},
    {&D::powerOffStandBy, &D::powerOffStandByOutlet, 33, Then::Nothing},
    {&D::powerOffDisconnected, &D::powerOffDisconnectOutlet, 36, Then::Nothing},
    {&D::motionDetect, &D::motionDetectOutlet, 46, Then::AllControls},
    {&D::motionSensitivity, &D::motionSensitivityOutlet, 48, Then::Nothing},
    {&D::motionTimeOut, &D::motionTimeoutOutlet, 47, Then::Nothing},
    {&D::tvVideoOutNTSC_PAL, &D::tvVideoOutNTSC_PALOutlet, 43, Then::Nothing},
    {&D::tvVideoOut16_9_4_3, &D::tvVideoOut43_169Outlet, 44, Then::Nothing},
    {&D::webcamMode, &D::webcamModeOutlet, 41, Then::Nothing},
    {&D::rotateWebcam180, &D::rotateWebcam_180Outlet, 42, Then::Nothing},
    {&D::formatFilesystemType, &D::formatFilesystemTypeOutlet, 45, Then::Nothing},
    {&D::videoSoundFileType1, &D::videoSoundFileType1Outlet, 14, Then::Nothing},
    {&D::loopRecording1, &D::loopRecording1Outlet, 9, Then::AllControls},
    {&D::audioVolume1, &D::audioVolume1Outlet, 7, Then::Nothing},
    {&D::videoTimeStamp1, &D::videoTimeStamp1Outlet, 11, Then::Nothing},
    {&D::videoDataRate1, &D::videoDataRate1Outlet, 12, Then::Nothing},
    {&D::rotateVideo180M1, &D::rotateVideoMode1Outlet, 10, Then::Nothing},
    {&D::wideDynamicRange1, &D::wideDynamicRange1Outlet, 13, Then::Nothing},
    {&D::videoClipLength1, &D::videoClipLength1Outlet, 8, Then::Nothing},
    {&D::videoSoundFileType2, &D::videoSoundFileType2Outlet, 26, Then::Nothing},
    {&D::loopRecording2, &D::loopRecording2Outlet, 21, Then::AllControls},
    {&D::audioVolume2, &D::audioVolume2Outlet, 19, Then::Nothing},
    {&D::videoTimeStamp2, &D::videoTimeStamp2Outlet, 23, Then::Nothing},
    {&D::videoDataRate2, &D::videoDataRate2Outlet, 24, Then::Nothing},
    {&D::rotateVideo180M2, &D::rotateVideoMode2Outlet, 22, Then::Nothing},
    {&D::wideDynamicRange2, &D::wideDynamicRange2Outlet, 25, Then::Nothing},
    {&D::videoClipLength2, &D::videoClipLength2Outlet, 20, Then::Nothing},
    {&D::rotatePhoto180deg, &D::rotatePhotoOutlet, 30, Then::Nothing},
    {&D::photoFrameSize, &D::photoFrameSizeOutlet, 27, Then::Nothing},
    {&D::photoTimeStamp, &D::photoTimeStampOutlet, 31, Then::Nothing},
};

// Sliders whose position is the setting's value (white balance: 7 - position).
struct SliderAction {
    void (D::*action)(Slider*);
    Slider* D::*outlet;
    int setting;
    Then then;
};
const SliderAction kSliderActions[] = {
    {&D::timelapseVideo1, &D::timeLapseVideo1SliderOutlet, 5, Then::Video1LapseLabel},
    {&D::timelapseVideo2, &D::timeLapseVideo2SliderOutlet, 17, Then::Video2LapseLabel},
    {&D::timeLapsePhotos, &D::timeLapsePhotoSliderOutlet, 28, Then::PhotoLapseLabel},
    {&D::sharpness, &D::sharpnessSliderOutlet, 63, Then::Labels},
    {&D::exposure, &D::exposureSliderOutlet, 60, Then::Labels},
    {&D::contrast, &D::contrastSliderOutlet, 61, Then::Labels},
    {&D::saturation, &D::saturationSliderOutlet, 62, Then::Labels},
    {&D::colorOption, &D::colorOptionSliderOutlet, 59, Then::Nothing},
    {&D::whiteBalance, &D::whiteBalanceSliderOutlet, kWhiteBalance, Then::CustomWhiteBalance},
};

// The three groups of each video mode that combine into its two codes.
struct VideoModeAction {
    void (D::*action)(RadioMatrix*);
    RadioMatrix* D::*outlet;
};
const VideoModeAction kVideoModeActions[] = {
    {&D::fovM1, &D::videoMode1FOVOutlet},
    {&D::videoResolutionM1, &D::videoMode1ResOutlet},
    {&D::videoFrameRateM1, &D::videoMode1FPSOutlet},
    {&D::fovM2, &D::videoMode2FOVOutlet},
    {&D::videoResolutionM2, &D::videoMode2ResOutlet},
    {&D::videoFrameRateM2, &D::videoMode2FPSOutlet},
};

// The custom white-balance gain fields, one colour each.
struct GainAction {
    void (D::*action)(NumberField*);
    NumberField* D::*outlet;
};
const GainAction kGainActions[] = {
    {&D::whiteBalanceCustomRedSet, &D::whiteBalanceCustomRed},
    {&D::whiteBalanceCustomGreenSet, &D::whiteBalanceCustomGreen},
    {&D::whiteBalanceCustomBlueSet, &D::whiteBalanceCustomBlue},
};

template <class Row, class Action, std::size_t N>
const Row& rowOf(const Row (&table)[N], Action action) {
    for (const Row& row : table) {
        if (row.action == action)
            return row;
    }
    return table[0]; // unreachable: every named action has its row
}

void refreshAfter(D& delegate, Then then) {
    switch (then) {
    case Then::Nothing:
        break;
    case Then::AllControls:
        delegate.updateAllControls();
        break;
    case Then::CustomWhiteBalance:
        delegate.updateCustomWhiteBalance();
        break;
    case Then::Labels:
        delegate.updateLabels();
        break;
    case Then::PhotoLapseLabel:
        delegate.updateTimeLapseShootingLabel(0);
        break;
    case Then::Video1LapseLabel:
        delegate.updateTimeLapseShootingLabel(1);
        break;
    case Then::Video2LapseLabel:
        delegate.updateTimeLapseShootingLabel(2);
        break;
    }
}

void followVideoModeRule(D& delegate, rules::Refresh refresh) {
    if (refresh == rules::Refresh::AllControls)
        delegate.updateAllControls();
}

} // namespace

void MyAppDelegate::connectActions() {
    for (const ColumnAction& row : kColumnActions) {
        RadioMatrix* group = this->*row.outlet;
        group->setAction([this, group, action = row.action] { (this->*action)(group); });
    }
    for (const VideoModeAction& row : kVideoModeActions) {
        RadioMatrix* group = this->*row.outlet;
        group->setAction([this, group, action = row.action] { (this->*action)(group); });
    }
    for (const SliderAction& row : kSliderActions) {
        Slider* slider = this->*row.outlet;
        slider->setAction([this, slider, action = row.action] { (this->*action)(slider); });
    }
    for (const GainAction& row : kGainActions) {
        NumberField* field = this->*row.outlet;
        field->setAction([this, field, action = row.action] { (this->*action)(field); });
    }
    powerOnAutoRecordOutlet->setAction([this] { powerOnAutoRecord(powerOnAutoRecordOutlet); });
    setDefaultsButtonOutlet->setAction([this] { setDefaultValues(setDefaultsButtonOutlet); });
}

void MyAppDelegate::storeSelectedColumn(void (MyAppDelegate::*action)(RadioMatrix*),
                                        RadioMatrix* sender) {
    const ColumnAction& row = rowOf(kColumnActions, action);
    mCF.setCameraValue(row.setting, static_cast<int>(sender->selectedColumn()));
    refreshAfter(*this, row.then);
}

void MyAppDelegate::storeSliderPosition(void (MyAppDelegate::*action)(Slider*), Slider* sender) {
    const SliderAction& row = rowOf(kSliderActions, action);
    const int position = static_cast<int>(sender->integerValue());
    const int value =
        row.setting == kWhiteBalance ? rules::whiteBalanceFromPosition(position) : position;
    mCF.setCameraValue(row.setting, value);
    refreshAfter(*this, row.then);
}

// The field shows the gain that is stored: a number out of range is corrected
// to the nearer limit, and text after the number is dropped. Only a custom
// white balance (5, 6, 7) has gains to store.
void MyAppDelegate::storeCustomGain(int colour, NumberField* sender) {
    const int typed = sender->intValue();
    const int gain = rules::clampGain(typed);
    NumberField* field = this->*kGainActions[colour].outlet;
    if (gain != typed || field->stringValue() != QString::number(gain))
        field->setIntValue(gain);
    const int setting = rules::customGainSetting(mCF.getCameraValue(kWhiteBalance),
                                                 static_cast<rules::Colour>(colour));
    if (setting >= 0)
        mCF.setCameraValue(setting, gain);
}

// clang-format off
void D::syncDateTime(RadioMatrix* sender) { storeSelectedColumn(&D::syncDateTime, sender); }
void D::lensType(RadioMatrix* sender) { storeSelectedColumn(&D::lensType, sender); }
void D::artificialLightFreq(RadioMatrix* sender) { storeSelectedColumn(&D::artificialLightFreq, sender); }
void D::recordingIndicator(RadioMatrix* sender) { storeSelectedColumn(&D::recordingIndicator, sender); }
void D::usbDataCharging(RadioMatrix* sender) { storeSelectedColumn(&D::usbDataCharging, sender); }
void D::powerOnDefaults(RadioMatrix* sender) { storeSelectedColumn(&D::powerOnDefaults, sender); }
void D::dateTimeFormat(RadioMatrix* sender) { storeSelectedColumn(&D::dateTimeFormat, sender); }
void D::powerOnDelay(RadioMatrix* sender) { storeSelectedColumn(&D::powerOnDelay, sender); }
void D::powerOffStandBy(RadioMatrix* sender) { storeSelectedColumn(&D::powerOffStandBy, sender); }
void D::powerOffDisconnected(RadioMatrix* sender) { storeSelectedColumn(&D::powerOffDisconnected, sender); }
void D::motionDetect(RadioMatrix* sender) { storeSelectedColumn(&D::motionDetect, sender); }
void D::motionSensitivity(RadioMatrix* sender) { storeSelectedColumn(&D::motionSensitivity, sender); }
void D::motionTimeOut(RadioMatrix* sender) { storeSelectedColumn(&D::motionTimeOut, sender); }
void D::tvVideoOutNTSC_PAL(RadioMatrix* sender) { storeSelectedColumn(&D::tvVideoOutNTSC_PAL, sender); }
void D::tvVideoOut16_9_4_3(RadioMatrix* sender) { storeSelectedColumn(&D::tvVideoOut16_9_4_3, sender); }
void D::webcamMode(RadioMatrix* sender) { storeSelectedColumn(&D::webcamMode, sender); }
void D::rotateWebcam180(RadioMatrix* sender) { storeSelectedColumn(&D::rotateWebcam180, sender); }
void D::formatFilesystemType(RadioMatrix* sender) { storeSelectedColumn(&D::formatFilesystemType, sender); }
void D::videoSoundFileType1(RadioMatrix* sender) { storeSelectedColumn(&D::videoSoundFileType1, sender); }
void D::loopRecording1(RadioMatrix* sender) { storeSelectedColumn(&D::loopRecording1, sender); }
void D::audioVolume1(RadioMatrix* sender) { storeSelectedColumn(&D::audioVolume1, sender); }
void D::videoTimeStamp1(RadioMatrix* sender) { storeSelectedColumn(&D::videoTimeStamp1, sender); }
void D::videoDataRate1(RadioMatrix* sender) { storeSelectedColumn(&D::videoDataRate1, sender); }
void D::rotateVideo180M1(RadioMatrix* sender) { storeSelectedColumn(&D::rotateVideo180M1, sender); }
void D::wideDynamicRange1(RadioMatrix* sender) { storeSelectedColumn(&D::wideDynamicRange1, sender); }
void D::videoClipLength1(RadioMatrix* sender) { storeSelectedColumn(&D::videoClipLength1, sender); }
void D::videoSoundFileType2(RadioMatrix* sender) { storeSelectedColumn(&D::videoSoundFileType2, sender); }
void D::loopRecording2(RadioMatrix* sender) { storeSelectedColumn(&D::loopRecording2, sender); }
void D::audioVolume2(RadioMatrix* sender) { storeSelectedColumn(&D::audioVolume2, sender); }
void D::videoTimeStamp2(RadioMatrix* sender) { storeSelectedColumn(&D::videoTimeStamp2, sender); }
void D::videoDataRate2(RadioMatrix* sender) { storeSelectedColumn(&D::videoDataRate2, sender); }
void D::rotateVideo180M2(RadioMatrix* sender) { storeSelectedColumn(&D::rotateVideo180M2, sender); }
void D::wideDynamicRange2(RadioMatrix* sender) { storeSelectedColumn(&D::wideDynamicRange2, sender); }
void D::videoClipLength2(RadioMatrix* sender) { storeSelectedColumn(&D::videoClipLength2, sender); }
void D::rotatePhoto180deg(RadioMatrix* sender) { storeSelectedColumn(&D::rotatePhoto180deg, sender); }
void D::photoFrameSize(RadioMatrix* sender) { storeSelectedColumn(&D::photoFrameSize, sender); }
void D::photoTimeStamp(RadioMatrix* sender) { storeSelectedColumn(&D::photoTimeStamp, sender); }

void D::timelapseVideo1(Slider* sender) { storeSliderPosition(&D::timelapseVideo1, sender); }
void D::timelapseVideo2(Slider* sender) { storeSliderPosition(&D::timelapseVideo2, sender); }
void D::timeLapsePhotos(Slider* sender) { storeSliderPosition(&D::timeLapsePhotos, sender); }
void D::sharpness(Slider* sender) { storeSliderPosition(&D::sharpness, sender); }
void D::exposure(Slider* sender) { storeSliderPosition(&D::exposure, sender); }
void D::contrast(Slider* sender) { storeSliderPosition(&D::contrast, sender); }
void D::saturation(Slider* sender) { storeSliderPosition(&D::saturation, sender); }
void D::colorOption(Slider* sender) { storeSliderPosition(&D::colorOption, sender); }
void D::whiteBalance(Slider* sender) { storeSliderPosition(&D::whiteBalance, sender); }

void D::whiteBalanceCustomRedSet(NumberField* sender) { storeCustomGain(0, sender); }
void D::whiteBalanceCustomGreenSet(NumberField* sender) { storeCustomGain(1, sender); }
void D::whiteBalanceCustomBlueSet(NumberField* sender) { storeCustomGain(2, sender); }

void D::fovM1(RadioMatrix* sender) { followVideoModeRule(*this, rules::chooseFieldOfView(mCF, rules::kVideoMode1, sender->selectedColumn())); }
void D::videoResolutionM1(RadioMatrix* sender) { followVideoModeRule(*this, rules::chooseResolution(mCF, rules::kVideoMode1, sender->selectedColumn())); }
void D::videoFrameRateM1(RadioMatrix* sender) { followVideoModeRule(*this, rules::chooseFrameRate(mCF, rules::kVideoMode1, sender->selectedColumn())); }
void D::fovM2(RadioMatrix* sender) { followVideoModeRule(*this, rules::chooseFieldOfView(mCF, rules::kVideoMode2, sender->selectedColumn())); }
void D::videoResolutionM2(RadioMatrix* sender) { followVideoModeRule(*this, rules::chooseResolution(mCF, rules::kVideoMode2, sender->selectedColumn())); }
void D::videoFrameRateM2(RadioMatrix* sender) { followVideoModeRule(*this, rules::chooseFrameRate(mCF, rules::kVideoMode2, sender->selectedColumn())); }
// clang-format on

// Both cells of a row share the external-power setting, both cells of a
// column the power-button setting.
void MyAppDelegate::powerOnAutoRecord(RadioMatrix* sender) {
    const long column = sender->selectedColumn();
    const long row = sender->selectedRow();
    mCF.setCameraValue(kAutoRecordExternalPower, row != 0 ? 1 : 0);
    mCF.setCameraValue(kAutoRecordPowerButton, column != 0 ? 1 : 0);
}

// The file on the card changes only when the user saves.
void MyAppDelegate::setDefaultValues(Button*) {
    mCF.setDefaults();
    updateAllControls();
}
