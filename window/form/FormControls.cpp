#include "FormControls.h"

#include "CameraRules.h"

#include <QtGlobal>

namespace {

// clang-format off
const FormControl kLongClipCells[] = {
    {"videoClipLength10Outlet", Shows::LongClip, kVideo1ClipLength},
    {"videoClipLength15Outlet", Shows::LongClip, kVideo1ClipLength},
    {"videoClipLengthMaxOutlet", Shows::LongClip, kVideo1ClipLength},
    {"video2ClipLength10Outlet", Shows::LongClip, kVideo2ClipLength},
    {"video2ClipLength15Outlet", Shows::LongClip, kVideo2ClipLength},
    {"video2ClipLengthMaxOutlet", Shows::LongClip, kVideo2ClipLength},
};

const FormControl kOtherControls[] = {
    {"videoMode1FPSOutlet", Shows::FrameRate, kVideo1FrameRate},
    {"videoMode1ResOutlet", Shows::Resolution, kVideo1Resolution},
    {"videoMode1FOVOutlet", Shows::FieldOfView, kVideo1Resolution},
    {"videoMode2FPSOutlet", Shows::FrameRate, kVideo2FrameRate},
    {"videoMode2ResOutlet", Shows::Resolution, kVideo2Resolution},
    {"videoMode2FOVOutlet", Shows::FieldOfView, kVideo2Resolution},
    {"powerOnAutoRecordOutlet", Shows::AutoRecord, kAutoRecordExternalPower},
    {"whiteBalanceCustomRed", Shows::Gain, 0},
    {"whiteBalanceCustomGreen", Shows::Gain, 1},
    {"whiteBalanceCustomBlue", Shows::Gain, 2},
    {"sharpnessLabel", Shows::Number, kSharpness},
    {"exposureLabel", Shows::Number, kExposure},
    {"contrastLabel", Shows::Number, kContrast},
    {"saturationLabel", Shows::Number, kSaturation},
    {"timeLapsePhotoDelay", Shows::Interval, kPhotoTimeLapse},
    {"timeLapseVideo1Delay", Shows::Interval, kVideo1TimeLapse},
    {"timeLapseVideo2Delay", Shows::Interval, kVideo2TimeLapse},
    {"colorOptionChoice", Shows::Choice, kColourEffect},
    {"whiteBalanceChoice", Shows::Choice, kWhiteBalance},
};
// clang-format on

// A control that is open only while another setting is on.
struct WhileOn {
    int setting;
    int enabledBy;
};
const WhileOn kWhileOn[] = {
    {kMotionSensitivity, kMotionDetection},
    {kMotionTimeout, kMotionDetection},
};

} // namespace

const std::vector<FormControl>& formControls() {
    static const std::vector<FormControl> controls = [] {
        std::vector<FormControl> all(std::begin(kLongClipCells), std::end(kLongClipCells));
        for (int setting = 0; setting < kSettingCount; ++setting) {
            if (const char* widget = settingRow(setting).widget)
                all.push_back({widget, Shows::Setting, setting});
        }
        all.insert(all.end(), std::begin(kOtherControls), std::end(kOtherControls));
        return all;
    }();
    return controls;
}

bool editsASetting(const FormControl& control) {
    switch (control.shows) {
    case Shows::Setting:
    case Shows::FieldOfView:
    case Shows::Resolution:
    case Shows::FrameRate:
    case Shows::AutoRecord:
    case Shows::Gain:
        return true;
    default:
        return false;
    }
}

const FieldOfViewRow* fieldOfViewRowOf(const FormControl& control) {
    for (const FieldOfViewRow& fov : kFieldOfViewRows) {
        if (control.shows == Shows::FieldOfView && fov.resolution == control.setting)
            return &fov;
    }
    return nullptr;
}

const char* captionOf(const FormControl& control) {
    switch (control.shows) {
    case Shows::FieldOfView: {
        const FieldOfViewRow* fov = fieldOfViewRowOf(control);
        return fov != nullptr ? fov->caption : nullptr;
    }
    case Shows::Gain:
        return settingRow(kCustom1Red + control.setting).caption;
    case Shows::AutoRecord:
        return nullptr;
    default:
        return settingRow(control.setting).caption;
    }
}

const char* descriptionOf(const FormControl& control) {
    if (const FieldOfViewRow* fov = fieldOfViewRowOf(control))
        return fov->description;
    if (control.shows == Shows::AutoRecord)
        return QT_TRANSLATE_NOOP("Settings", "Starts recording when the camera gets external "
                                             "power, when its power button switches it on, or "
                                             "both");
    const int setting =
        control.shows == Shows::Gain ? kCustom1Red + control.setting : control.setting;
    return settingRow(setting).description;
}

QStringList commandLineNamesOf(const FormControl& control) {
    QStringList names;
    auto add = [&names](const std::string& name) { names << QString::fromStdString(name); };
    switch (control.shows) {
    case Shows::FieldOfView:
        if (const FieldOfViewRow* fov = fieldOfViewRowOf(control))
            add(fieldOfViewName(*fov));
        break;
    case Shows::Gain: // the gain of each custom white balance
        for (int whiteBalance = settingRow(kWhiteBalance).minimum;
             whiteBalance <= settingRow(kWhiteBalance).maximum; ++whiteBalance) {
            const int setting =
                rules::customGainSetting(whiteBalance, static_cast<rules::Colour>(control.setting));
            if (setting >= 0)
                add(settingName(setting));
        }
        break;
    case Shows::AutoRecord:
        add(settingName(kAutoRecordExternalPower));
        add(settingName(kAutoRecordPowerButton));
        break;
    case Shows::LongClip:
        break;
    default:
        add(settingName(control.setting));
    }
    return names;
}

int enablingSetting(const FormControl& control) {
    for (const WhileOn& rule : kWhileOn) {
        if (control.shows == Shows::Setting && rule.setting == control.setting)
            return rule.enabledBy;
    }
    return -1;
}

bool opensOrClosesControls(int setting) {
    for (const WhileOn& rule : kWhileOn) {
        if (rule.enabledBy == setting)
            return true;
    }
    const rules::VideoMode* mode = rules::videoModeOf(setting);
    return mode != nullptr && mode->loopRecording == setting;
}
