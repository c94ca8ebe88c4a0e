// Refresh: every control shows its setting, and the controls that depend on
// another setting are enabled or disabled, as the binding table says. The
// only setting the refresh changes is a clip length that loop recording does
// not allow.
#include "Bindings.h"
#include "CameraRules.h"
#include "Globals.h"
#include "MyAppDelegate.h"

#include <QString>

namespace {

int value(int setting) {
    return mCF.getCameraValue(setting);
}

// Answers whether the control then shows its setting: a control closed by
// the firmware keeps what it showed, and a long-clip cell shows nothing.
bool applyEnabling(D& delegate, const Binding& row) {
    QWidget* widget = widgetOf(delegate, row);
    switch (row.enable) {
    case Enable::Always:
        return true;
    case Enable::WhileOn:
        widget->setEnabled(value(row.enabledBy) != 0);
        return true;
    case Enable::ByFirmware: {
        const bool open = rules::firmwareOffers(row.setting, mCF.getFirmwareNumber());
        widget->setEnabled(open);
        return open;
    }
    case Enable::LoopLimit:
        widget->setEnabled(rules::applyLoopRecordingLimit(mCF.settings(), *rules::videoModeOf(row.setting)));
        return false;
    }
    return true;
}

} // namespace

void MyAppDelegate::show(const Binding& row) {
    if (!applyEnabling(*this, row))
        return;
    const int shown = row.setting >= 0 ? value(row.setting) : 0;
    switch (row.view) {
    case View::Column:
        outletOf<RadioMatrix>(*this, row)->selectCellAtRow(0, shown);
        break;
    case View::AutoRecord: // any value but 0 counts as on
        powerOnAutoRecordOutlet->selectCellAtRow(value(kAutoRecordExternalPower) != 0 ? 1 : 0,
                                                 value(kAutoRecordPowerButton) != 0 ? 1 : 0);
        break;
    case View::FrameRate: // code f is column f - 1; code 0 has no cell
        outletOf<RadioMatrix>(*this, row)->selectCellAtRow(0, static_cast<long>(shown) - 1);
        break;
    case View::Resolution:
        outletOf<RadioMatrix>(*this, row)
            ->selectCellAtRow(0, rules::resolutionColumns(shown).resolution);
        break;
    case View::FieldOfView:
        outletOf<RadioMatrix>(*this, row)
            ->selectCellAtRow(0, rules::resolutionColumns(shown).fieldOfView);
        break;
    case View::Slider:
        outletOf<Slider>(*this, row)->setIntValue(shown);
        break;
    case View::WhiteBalance:
        outletOf<Slider>(*this, row)->setIntValue(rules::whiteBalancePosition(shown));
        break;
    case View::LongClipCell:
    case View::Gain:
    case View::NumberLabel:
    case View::LapseLabel:
    case View::ChoiceLabel:
    case View::Status:
        break; // shown by the refreshes below, or by the file workflow
    }
}

void MyAppDelegate::updateAllControls() {
    for (const Binding& row : bindings())
        show(row);
    updateCustomWhiteBalance();
    updateLabels();
    updateChoiceLabels();
}

// The gain fields edit the triple of the chosen custom white balance; for any
// other white balance they are disabled and keep what they showed.
void MyAppDelegate::updateCustomWhiteBalance() {
    const int whiteBalance = value(kWhiteBalance);
    const bool custom = rules::customGainSetting(whiteBalance, rules::Colour::Red) >= 0;
    for (const Binding& row : bindings()) {
        if (row.view == View::Gain)
            outletOf<NumberField>(*this, row)->setEnabled(custom);
    }
    if (!custom)
        return;
    for (const Binding& row : bindings()) {
        if (row.view == View::Gain)
            outletOf<NumberField>(*this, row)
                ->setIntValue(value(rules::customGainSetting(
                    whiteBalance, static_cast<rules::Colour>(row.setting))));
    }
}

void MyAppDelegate::updateLabels() {
    for (const Binding& row : bindings()) {
        if (row.view == View::NumberLabel)
            outletOf<Label>(*this, row)
                ->setStringValue(QString::asprintf("%i", value(row.setting)));
    }
    for (int which = 0; which < 3; ++which)
        updateTimeLapseShootingLabel(which);
}

void MyAppDelegate::updateTimeLapseShootingLabel(int which) {
    if (which < 0 || which > 2)
        return;
    const int setting = kTimeLapseLabelSettings[which];
    for (const Binding& row : bindings()) {
        if (row.view == View::LapseLabel && row.setting == setting)
            outletOf<Label>(*this, row)
                ->setStringValue(QString::fromUtf8(rules::timeLapseText(value(setting))));
    }
}
