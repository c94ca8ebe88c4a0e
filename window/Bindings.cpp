#include "Bindings.h"

#include "CameraRules.h"

#include <iterator>

namespace {

#define OUTLET(member) #member, &D::member

constexpr Binding group(const char* name, RadioMatrix* D::*outlet, void (D::*action)(RadioMatrix*),
                        int setting, Then then = Then::Nothing, Enable enable = Enable::Always,
                        int enabledBy = -1) {
    return {name, outlet, action, View::Column, setting, then, enable, enabledBy};
}

constexpr Binding videoGroup(const char* name, RadioMatrix* D::*outlet,
                             void (D::*action)(RadioMatrix*), View view, int setting) {
    return {name, outlet, action, view, setting};
}

constexpr Binding longClip(const char* name, ButtonCell* D::*outlet, int clipLength) {
    return {name, outlet, {}, View::LongClipCell, clipLength, Then::Nothing, Enable::LoopLimit};
}

constexpr Binding slider(const char* name, Slider* D::*outlet, void (D::*action)(Slider*),
                         int setting, Then then, View view = View::Slider) {
    return {name, outlet, action, view, setting, then};
}

constexpr Binding gain(const char* name, NumberField* D::*outlet, void (D::*action)(NumberField*),
                       int colour) {
    return {name, outlet, action, View::Gain, colour};
}

constexpr Binding label(const char* name, Label* D::*outlet, View view, int setting) {
    return {name, outlet, {}, view, setting};
}

constexpr Binding choiceLabel(const char* name, int setting) {
    return {name, Unnamed<Label>{}, {}, View::ChoiceLabel, setting};
}

// clang-format off
const Binding kBindings[] = {
    // Head, power and camera-wide settings
    group(OUTLET(dateTimeFormatOutlet), &D::dateTimeFormat, kDateFormat),
    group(OUTLET(syncDateTimeOutlet), &D::syncDateTime, kDateTime),
    group(OUTLET(powerOnDefaultsOutlet), &D::powerOnDefaults, kDefaultMode),
    group(OUTLET(lensTypeOutlet), &D::lensType, kLens),
    group(OUTLET(artificialLightOutlet), &D::artificialLightFreq, kLightFrequency),
    group(OUTLET(powerOnDelayOutlet), &D::powerOnDelay, kPowerOnDelay),
    group(OUTLET(recordingLedOutlet), &D::recordingIndicator, kRecordingLight),
    group(OUTLET(powerOffStandByOutlet), &D::powerOffStandBy, kAutoOff),
    group(OUTLET(powerOffDisconnectOutlet), &D::powerOffDisconnected, kOffWhenUnplugged),
    group("usbDataCharging", &D::usbDataCharging_, &D::usbDataCharging, kUsbCharging),
    {OUTLET(powerOnAutoRecordOutlet), &D::powerOnAutoRecord, View::AutoRecord, kAutoRecordExternalPower},
    group(OUTLET(motionDetectOutlet), &D::motionDetect, kMotionDetection, Then::AllControls),
    group(OUTLET(motionSensitivityOutlet), &D::motionSensitivity, kMotionSensitivity, Then::Nothing, Enable::WhileOn, kMotionDetection),
    group(OUTLET(motionTimeoutOutlet), &D::motionTimeOut, kMotionTimeout, Then::Nothing, Enable::WhileOn, kMotionDetection),
    group(OUTLET(tvVideoOutNTSC_PALOutlet), &D::tvVideoOutNTSC_PAL, kTvSystem),
    group(OUTLET(tvVideoOut43_169Outlet), &D::tvVideoOut16_9_4_3, kTvAspectRatio),
    group(OUTLET(webcamModeOutlet), &D::webcamMode, kUsbMode),
    group(OUTLET(rotateWebcam_180Outlet), &D::rotateWebcam180, kWebcamFlip),
    group(OUTLET(formatFilesystemTypeOutlet), &D::formatFilesystemType, kCardFormat, Then::Nothing, Enable::ByFirmware),
    // Video mode 1
    group(OUTLET(videoSoundFileType1Outlet), &D::videoSoundFileType1, kVideo1FileFormat),
    group(OUTLET(audioVolume1Outlet), &D::audioVolume1, kVideo1Sound),
    group(OUTLET(wideDynamicRange1Outlet), &D::wideDynamicRange1, kVideo1HighDynamicRange),
    group(OUTLET(videoTimeStamp1Outlet), &D::videoTimeStamp1, kVideo1TimeStamp),
    videoGroup(OUTLET(videoMode1FPSOutlet), &D::videoFrameRateM1, View::FrameRate, kVideo1FrameRate),
    videoGroup(OUTLET(videoMode1ResOutlet), &D::videoResolutionM1, View::Resolution, kVideo1Resolution),
    videoGroup(OUTLET(videoMode1FOVOutlet), &D::fovM1, View::FieldOfView, kVideo1Resolution),
    group(OUTLET(rotateVideoMode1Outlet), &D::rotateVideo180M1, kVideo1Flip),
    group(OUTLET(videoDataRate1Outlet), &D::videoDataRate1, kVideo1Quality),
    slider(OUTLET(timeLapseVideo1SliderOutlet), &D::timelapseVideo1, kVideo1TimeLapse, Then::LapseLabel),
    group(OUTLET(loopRecording1Outlet), &D::loopRecording1, kVideo1LoopRecording, Then::AllControls),
    longClip(OUTLET(videoClipLength10Outlet), kVideo1ClipLength),
    longClip(OUTLET(videoClipLength15Outlet), kVideo1ClipLength),
    longClip(OUTLET(videoClipLengthMaxOutlet), kVideo1ClipLength),
    group(OUTLET(videoClipLength1Outlet), &D::videoClipLength1, kVideo1ClipLength),
    // Video mode 2
    group(OUTLET(videoSoundFileType2Outlet), &D::videoSoundFileType2, kVideo2FileFormat),
    group(OUTLET(audioVolume2Outlet), &D::audioVolume2, kVideo2Sound),
    group(OUTLET(wideDynamicRange2Outlet), &D::wideDynamicRange2, kVideo2HighDynamicRange),
    group(OUTLET(videoTimeStamp2Outlet), &D::videoTimeStamp2, kVideo2TimeStamp),
    videoGroup(OUTLET(videoMode2FPSOutlet), &D::videoFrameRateM2, View::FrameRate, kVideo2FrameRate),
    videoGroup(OUTLET(videoMode2ResOutlet), &D::videoResolutionM2, View::Resolution, kVideo2Resolution),
    videoGroup(OUTLET(videoMode2FOVOutlet), &D::fovM2, View::FieldOfView, kVideo2Resolution),
    group(OUTLET(rotateVideoMode2Outlet), &D::rotateVideo180M2, kVideo2Flip),
    group(OUTLET(videoDataRate2Outlet), &D::videoDataRate2, kVideo2Quality),
    slider(OUTLET(timeLapseVideo2SliderOutlet), &D::timelapseVideo2, kVideo2TimeLapse, Then::LapseLabel),
    group(OUTLET(loopRecording2Outlet), &D::loopRecording2, kVideo2LoopRecording, Then::AllControls),
    longClip(OUTLET(video2ClipLength10Outlet), kVideo2ClipLength),
    longClip(OUTLET(video2ClipLength15Outlet), kVideo2ClipLength),
    longClip(OUTLET(video2ClipLengthMaxOutlet), kVideo2ClipLength),
    group(OUTLET(videoClipLength2Outlet), &D::videoClipLength2, kVideo2ClipLength),
    // Photo and image
    group(OUTLET(photoTimeStampOutlet), &D::photoTimeStamp, kPhotoTimeStamp),
    group(OUTLET(rotatePhotoOutlet), &D::rotatePhoto180deg, kPhotoFlip),
    group(OUTLET(photoFrameSizeOutlet), &D::photoFrameSize, kPhotoSize),
    slider(OUTLET(timeLapsePhotoSliderOutlet), &D::timeLapsePhotos, kPhotoTimeLapse, Then::LapseLabel),
    slider(OUTLET(sharpnessSliderOutlet), &D::sharpness, kSharpness, Then::Labels),
    slider(OUTLET(exposureSliderOutlet), &D::exposure, kExposure, Then::Labels),
    slider(OUTLET(contrastSliderOutlet), &D::contrast, kContrast, Then::Labels),
    slider(OUTLET(saturationSliderOutlet), &D::saturation, kSaturation, Then::Labels),
    slider(OUTLET(colorOptionSliderOutlet), &D::colorOption, kColourEffect, Then::Nothing),
    slider(OUTLET(whiteBalanceSliderOutlet), &D::whiteBalance, kWhiteBalance, Then::CustomWhiteBalance, View::WhiteBalance),
    // Shown by the custom white-balance refresh
    gain(OUTLET(whiteBalanceCustomRed), &D::whiteBalanceCustomRedSet, 0),
    gain(OUTLET(whiteBalanceCustomGreen), &D::whiteBalanceCustomGreenSet, 1),
    gain(OUTLET(whiteBalanceCustomBlue), &D::whiteBalanceCustomBlueSet, 2),
    // Shown by the label refresh
    label(OUTLET(sharpnessLabel), View::NumberLabel, kSharpness),
    label(OUTLET(exposureLabel), View::NumberLabel, kExposure),
    label(OUTLET(contrastLabel), View::NumberLabel, kContrast),
    label(OUTLET(saturationLabel), View::NumberLabel, kSaturation),
    label(OUTLET(timeLapsePhotoDelay), View::LapseLabel, kPhotoTimeLapse),
    label(OUTLET(timeLapseVideo1Delay), View::LapseLabel, kVideo1TimeLapse),
    label(OUTLET(timeLapseVideo2Delay), View::LapseLabel, kVideo2TimeLapse),
    choiceLabel("colorOptionChoice", kColourEffect),
    choiceLabel("whiteBalanceChoice", kWhiteBalance),
    // The file workflow's own
    label(OUTLET(firstRowLabelOutlet), View::Status, -1),
    label(OUTLET(secondRowLabelOutlet), View::Status, -1),
    {OUTLET(saveConfigButtonOutlet), {}, View::Status, -1},
    {OUTLET(setDefaultsButtonOutlet), &D::setDefaultValues, View::Status, -1},
};
// clang-format on

#undef OUTLET

const BindingTable kTable = {kBindings, std::size(kBindings)};

} // namespace

const BindingTable& bindings() {
    return kTable;
}

namespace {

template <class Wrapper> QWidget* widgetOfWrapper(const Wrapper* wrapper) {
    return wrapper != nullptr ? static_cast<QWidget*>(wrapper->widget()) : nullptr;
}

} // namespace

QWidget* widgetOf(const MyAppDelegate& delegate, const Binding& row) {
    return std::visit(
        [&](auto member) -> QWidget* {
            using Member = decltype(member);
            if constexpr (std::is_same_v<Member, Unnamed<RadioMatrix>>)
                return widgetOfWrapper(outletOf<RadioMatrix>(delegate, row));
            else if constexpr (std::is_same_v<Member, Unnamed<Slider>>)
                return widgetOfWrapper(outletOf<Slider>(delegate, row));
            else if constexpr (std::is_same_v<Member, Unnamed<Label>>)
                return widgetOfWrapper(outletOf<Label>(delegate, row));
            else
                return widgetOfWrapper(delegate.*member);
        },
        row.outlet);
}

const FieldOfViewRow* fieldOfViewRowOf(const Binding& row) {
    for (const FieldOfViewRow& fov : kFieldOfViewRows) {
        if (row.view == View::FieldOfView && fov.resolution == row.setting)
            return &fov;
    }
    return nullptr;
}

const char* captionOf(const Binding& row) {
    switch (row.view) {
    case View::FieldOfView: {
        const FieldOfViewRow* fov = fieldOfViewRowOf(row);
        return fov != nullptr ? fov->caption : nullptr;
    }
    case View::Gain:
        return settingRow(kCustom1Red + row.setting).caption;
    case View::AutoRecord:
    case View::Status:
        return nullptr;
    default:
        return row.setting >= 0 ? settingRow(row.setting).caption : nullptr;
    }
}

QStringList commandLineNamesOf(const Binding& row) {
    QStringList names;
    auto add = [&names](const std::string& name) { names << QString::fromStdString(name); };
    switch (row.view) {
    case View::FieldOfView:
        if (const FieldOfViewRow* fov = fieldOfViewRowOf(row))
            add(fieldOfViewName(*fov));
        break;
    case View::Gain: // the gain of each custom white balance
        for (int whiteBalance = settingRow(kWhiteBalance).minimum;
             whiteBalance <= settingRow(kWhiteBalance).maximum; ++whiteBalance) {
            const int setting =
                rules::customGainSetting(whiteBalance, static_cast<rules::Colour>(row.setting));
            if (setting >= 0)
                add(settingName(setting));
        }
        break;
    case View::AutoRecord:
        add(settingName(kAutoRecordExternalPower));
        add(settingName(kAutoRecordPowerButton));
        break;
    case View::Status:
    case View::LongClipCell:
        break;
    default:
        if (row.setting >= 0)
            add(settingName(row.setting));
    }
    return names;
}

bool editsASetting(const Binding& row) {
    switch (row.view) {
    case View::Column:
    case View::AutoRecord:
    case View::FrameRate:
    case View::Resolution:
    case View::FieldOfView:
    case View::Slider:
    case View::WhiteBalance:
    case View::Gain:
        return true;
    default:
        return false;
    }
}
