// Showing the settings in the form: every control shows its setting, and the
// controls that depend on another setting, or on the firmware, are opened or
// closed. The only setting the refresh changes is a clip length that loop
// recording does not allow.
#include "SettingText.h"
#include "SettingsForm.h"

#include "CameraRules.h"

#include <QString>
#include <QWidget>

void SettingsForm::show(const Bound& bound) {
    const FormControl& control = *bound.control;
    QWidget* widget = widgetOf(control);
    const int shown = config_.getCameraValue(control.setting);
    // A control of a setting that a later firmware brought closes for older
    // ones, and keeps what it showed.
    if (control.shows == Shows::Setting && settingRow(control.setting).firstFirmware != 0) {
        const bool open = rules::firmwareOffers(control.setting, config_.getFirmwareNumber());
        widget->setEnabled(open);
        if (!open)
            return;
    }
    // One that another setting opens still shows its setting.
    if (const int enabledBy = enablingSetting(control); enabledBy >= 0)
        widget->setEnabled(config_.getCameraValue(enabledBy) != 0);
    switch (control.shows) {
    case Shows::Setting:
        if (auto* slider = dynamic_cast<Slider*>(bound.wrapper))
            slider->setIntValue(rules::sliderPosition(control.setting, shown));
        else
            static_cast<RadioMatrix*>(bound.wrapper)->selectCellAtRow(0, shown);
        break;
    case Shows::AutoRecord: // any value but 0 counts as on
        static_cast<RadioMatrix*>(bound.wrapper)
            ->selectCellAtRow(config_.getCameraValue(kAutoRecordExternalPower) != 0 ? 1 : 0,
                              config_.getCameraValue(kAutoRecordPowerButton) != 0 ? 1 : 0);
        break;
    case Shows::FrameRate: // code f is column f - 1; code 0 has no cell
        static_cast<RadioMatrix*>(bound.wrapper)->selectCellAtRow(0, static_cast<long>(shown) - 1);
        break;
    case Shows::Resolution:
        static_cast<RadioMatrix*>(bound.wrapper)
            ->selectCellAtRow(0, rules::resolutionColumns(shown).resolution);
        break;
    case Shows::FieldOfView:
        static_cast<RadioMatrix*>(bound.wrapper)
            ->selectCellAtRow(0, rules::resolutionColumns(shown).fieldOfView);
        break;
    case Shows::LongClip:
        // Open while the mode does not record in a loop; it shows nothing.
        widget->setEnabled(rules::applyLoopRecordingLimit(config_.settings(),
                                                          *rules::videoModeOf(control.setting)));
        break;
    case Shows::Gain:
    case Shows::Number:
    case Shows::Interval:
    case Shows::Choice:
        break; // shown by the refreshes below
    }
}

void SettingsForm::showAll() {
    for (const Bound& bound : bound_)
        show(bound);
    showCustomWhiteBalance();
    showLabels();
    showChoiceLabels();
}

// The part of the form that a change of the control's setting affects.
void SettingsForm::refreshAfter(const FormControl& control) {
    if (opensOrClosesControls(control.setting)) {
        showAll();
        return;
    }
    if (control.setting == kWhiteBalance) {
        showCustomWhiteBalance();
        return;
    }
    for (const Bound& bound : bound_) {
        if (bound.control->setting != control.setting)
            continue;
        if (bound.control->shows == Shows::Number) {
            showLabels();
            return;
        }
        if (bound.control->shows == Shows::Interval) {
            for (int which = 0; which < 3; ++which) {
                if (kTimeLapseLabelSettings[which] == control.setting)
                    showTimeLapseLabel(which);
            }
            return;
        }
    }
}

// The gain fields edit the triple of the chosen custom white balance; for any
// other white balance they are closed and keep what they showed.
void SettingsForm::showCustomWhiteBalance() {
    const int whiteBalance = config_.getCameraValue(kWhiteBalance);
    const bool custom = rules::customGainSetting(whiteBalance, rules::Colour::Red) >= 0;
    for (const Bound& bound : bound_) {
        if (bound.control->shows != Shows::Gain)
            continue;
        auto* field = static_cast<NumberField*>(bound.wrapper);
        field->setEnabled(custom);
        if (custom)
            field->setIntValue(config_.getCameraValue(rules::customGainSetting(
                whiteBalance, static_cast<rules::Colour>(bound.control->setting))));
    }
}

void SettingsForm::showLabels() {
    for (const Bound& bound : bound_) {
        if (bound.control->shows == Shows::Number)
            static_cast<Label*>(bound.wrapper)
                ->setStringValue(
                    QString::asprintf("%i", config_.getCameraValue(bound.control->setting)));
    }
    for (int which = 0; which < 3; ++which)
        showTimeLapseLabel(which);
}

void SettingsForm::showTimeLapseLabel(int which) {
    if (which < 0 || which > 2)
        return;
    const int setting = kTimeLapseLabelSettings[which];
    for (const Bound& bound : bound_) {
        if (bound.control->shows == Shows::Interval && bound.control->setting == setting)
            static_cast<Label*>(bound.wrapper)
                ->setStringValue(
                    settingText(rules::timeLapseText(config_.getCameraValue(setting))));
    }
}

void SettingsForm::showChoiceLabels() {
    for (const Bound& bound : bound_) {
        if (bound.control->shows != Shows::Choice)
            continue;
        const int setting = bound.control->setting;
        const char* caption = valueCaption(setting, config_.getCameraValue(setting));
        static_cast<Label*>(bound.wrapper)
            ->setStringValue(caption != nullptr ? settingText(caption) : QString());
    }
}
