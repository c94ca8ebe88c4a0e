// Control actions: what each control stores in mCF and which refresh follows,
// as its row of the binding table says.
#include "Bindings.h"
#include "CameraRules.h"
#include "Globals.h"
#include "MyAppDelegate.h"

namespace {

void refreshAfter(D& delegate, const Binding& row) {
    switch (row.then) {
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
    case Then::LapseLabel:
        for (int which = 0; which < 3; ++which) {
            if (kTimeLapseLabelSettings[which] == row.setting)
                delegate.updateTimeLapseShootingLabel(which);
        }
        break;
    }
}

// A video-mode group: the rule keeps the mode's two codes together and says
// whether the window needs a refresh.
rules::Refresh chooseInVideoMode(const Binding& row, long column) {
    const rules::VideoMode& mode = *rules::videoModeOf(row.setting);
    switch (row.view) {
    case View::FieldOfView:
        return rules::chooseFieldOfView(mCF.settings(), mode, column);
    case View::Resolution:
        return rules::chooseResolution(mCF.settings(), mode, column);
    default:
        return rules::chooseFrameRate(mCF.settings(), mode, column);
    }
}

} // namespace

template <class Action> struct SenderOf;
template <class Sender> struct SenderOf<void (D::*)(Sender*)> { using type = Sender; };

// Every control with an action sends it, with itself as the sender; one
// without an outlet of its own does what its row says. Each change a user
// makes so is one step of the undo history.
void MyAppDelegate::connectActions() {
    for (const Binding& row : bindings()) {
        // What the user does to a control is one step of the history.
        const auto userChange = [this, &row](std::function<void()> change) {
            return [this, &row, change] {
                const SettingValues before = mCF.settings();
                change();
                afterUserChange(before, row);
            };
        };
        std::visit(
            [&](auto action) {
                if constexpr (!std::is_same_v<decltype(action), std::monostate>) {
                    using Sender = typename SenderOf<decltype(action)>::type;
                    Sender* control = outletOf<Sender>(*this, row);
                    control->setAction(
                        userChange([this, control, action] { (this->*action)(control); }));
                }
            },
            row.action);
        const auto byRow = [&](auto* control) {
            control->setAction(userChange([this, &row, control] { act(&row, control); }));
        };
        if (std::holds_alternative<Unnamed<RadioMatrix>>(row.outlet))
            byRow(outletOf<RadioMatrix>(*this, row));
        if (std::holds_alternative<Unnamed<Slider>>(row.outlet))
            byRow(outletOf<Slider>(*this, row));
    }
}

void MyAppDelegate::act(const Binding* row, RadioMatrix* sender) {
    if (row == nullptr)
        return;
    const long column = sender->selectedColumn();
    switch (row->view) {
    case View::AutoRecord:
        // Both cells of a row share the external-power setting, both cells of
        // a column the power-button setting.
        mCF.setCameraValue(kAutoRecordExternalPower, sender->selectedRow() != 0 ? 1 : 0);
        mCF.setCameraValue(kAutoRecordPowerButton, column != 0 ? 1 : 0);
        return;
    case View::FieldOfView:
    case View::Resolution:
    case View::FrameRate:
        if (chooseInVideoMode(*row, column) == rules::Refresh::AllControls)
            updateAllControls();
        return;
    default:
        mCF.setCameraValue(row->setting, static_cast<int>(column));
        refreshAfter(*this, *row);
        return;
    }
}

void MyAppDelegate::act(const Binding* row, Slider* sender) {
    if (row == nullptr)
        return;
    const int position = static_cast<int>(sender->integerValue());
    mCF.setCameraValue(row->setting, row->view == View::WhiteBalance
                                         ? rules::whiteBalanceFromPosition(position)
                                         : position);
    refreshAfter(*this, *row);
}

// The field shows the gain that is stored: a number out of range is corrected
// to the nearer limit, and text after the number is dropped. Only a custom
// white balance (5, 6, 7) has gains to store.
void MyAppDelegate::act(const Binding* row, NumberField* sender) {
    if (row == nullptr)
        return;
    const int typed = sender->intValue();
    const int gain = rules::clampGain(typed);
    NumberField* field = outletOf<NumberField>(*this, *row);
    if (gain != typed || field->stringValue() != QString::number(gain))
        field->setIntValue(gain);
    const int setting = rules::customGainSetting(mCF.getCameraValue(kWhiteBalance),
                                                 static_cast<rules::Colour>(row->setting));
    if (setting >= 0)
        mCF.setCameraValue(setting, gain);
}

// The file on the card changes only when the user saves.
void MyAppDelegate::setDefaultValues(Button*) {
    mCF.setDefaults();
    updateAllControls();
}

// clang-format off
void D::syncDateTime(RadioMatrix* sender) { act(bindingOf(&D::syncDateTime), sender); }
void D::lensType(RadioMatrix* sender) { act(bindingOf(&D::lensType), sender); }
void D::artificialLightFreq(RadioMatrix* sender) { act(bindingOf(&D::artificialLightFreq), sender); }
void D::recordingIndicator(RadioMatrix* sender) { act(bindingOf(&D::recordingIndicator), sender); }
void D::usbDataCharging(RadioMatrix* sender) { act(bindingOf(&D::usbDataCharging), sender); }
void D::powerOnDefaults(RadioMatrix* sender) { act(bindingOf(&D::powerOnDefaults), sender); }
void D::dateTimeFormat(RadioMatrix* sender) { act(bindingOf(&D::dateTimeFormat), sender); }
void D::powerOnAutoRecord(RadioMatrix* sender) { act(bindingOf(&D::powerOnAutoRecord), sender); }
void D::powerOnDelay(RadioMatrix* sender) { act(bindingOf(&D::powerOnDelay), sender); }
void D::powerOffStandBy(RadioMatrix* sender) { act(bindingOf(&D::powerOffStandBy), sender); }
void D::powerOffDisconnected(RadioMatrix* sender) { act(bindingOf(&D::powerOffDisconnected), sender); }
void D::motionDetect(RadioMatrix* sender) { act(bindingOf(&D::motionDetect), sender); }
void D::motionSensitivity(RadioMatrix* sender) { act(bindingOf(&D::motionSensitivity), sender); }
void D::motionTimeOut(RadioMatrix* sender) { act(bindingOf(&D::motionTimeOut), sender); }
void D::tvVideoOutNTSC_PAL(RadioMatrix* sender) { act(bindingOf(&D::tvVideoOutNTSC_PAL), sender); }
void D::tvVideoOut16_9_4_3(RadioMatrix* sender) { act(bindingOf(&D::tvVideoOut16_9_4_3), sender); }
void D::webcamMode(RadioMatrix* sender) { act(bindingOf(&D::webcamMode), sender); }
void D::rotateWebcam180(RadioMatrix* sender) { act(bindingOf(&D::rotateWebcam180), sender); }
void D::formatFilesystemType(RadioMatrix* sender) { act(bindingOf(&D::formatFilesystemType), sender); }
void D::videoSoundFileType1(RadioMatrix* sender) { act(bindingOf(&D::videoSoundFileType1), sender); }
void D::loopRecording1(RadioMatrix* sender) { act(bindingOf(&D::loopRecording1), sender); }
void D::audioVolume1(RadioMatrix* sender) { act(bindingOf(&D::audioVolume1), sender); }
void D::videoTimeStamp1(RadioMatrix* sender) { act(bindingOf(&D::videoTimeStamp1), sender); }
void D::videoDataRate1(RadioMatrix* sender) { act(bindingOf(&D::videoDataRate1), sender); }
void D::rotateVideo180M1(RadioMatrix* sender) { act(bindingOf(&D::rotateVideo180M1), sender); }
void D::wideDynamicRange1(RadioMatrix* sender) { act(bindingOf(&D::wideDynamicRange1), sender); }
void D::videoClipLength1(RadioMatrix* sender) { act(bindingOf(&D::videoClipLength1), sender); }
void D::timelapseVideo1(Slider* sender) { act(bindingOf(&D::timelapseVideo1), sender); }
void D::videoSoundFileType2(RadioMatrix* sender) { act(bindingOf(&D::videoSoundFileType2), sender); }
void D::loopRecording2(RadioMatrix* sender) { act(bindingOf(&D::loopRecording2), sender); }
void D::audioVolume2(RadioMatrix* sender) { act(bindingOf(&D::audioVolume2), sender); }
void D::videoTimeStamp2(RadioMatrix* sender) { act(bindingOf(&D::videoTimeStamp2), sender); }
void D::videoDataRate2(RadioMatrix* sender) { act(bindingOf(&D::videoDataRate2), sender); }
void D::rotateVideo180M2(RadioMatrix* sender) { act(bindingOf(&D::rotateVideo180M2), sender); }
void D::wideDynamicRange2(RadioMatrix* sender) { act(bindingOf(&D::wideDynamicRange2), sender); }
void D::videoClipLength2(RadioMatrix* sender) { act(bindingOf(&D::videoClipLength2), sender); }
void D::timelapseVideo2(Slider* sender) { act(bindingOf(&D::timelapseVideo2), sender); }
void D::rotatePhoto180deg(RadioMatrix* sender) { act(bindingOf(&D::rotatePhoto180deg), sender); }
void D::photoFrameSize(RadioMatrix* sender) { act(bindingOf(&D::photoFrameSize), sender); }
void D::timeLapsePhotos(Slider* sender) { act(bindingOf(&D::timeLapsePhotos), sender); }
void D::photoTimeStamp(RadioMatrix* sender) { act(bindingOf(&D::photoTimeStamp), sender); }
void D::sharpness(Slider* sender) { act(bindingOf(&D::sharpness), sender); }
void D::exposure(Slider* sender) { act(bindingOf(&D::exposure), sender); }
void D::contrast(Slider* sender) { act(bindingOf(&D::contrast), sender); }
void D::saturation(Slider* sender) { act(bindingOf(&D::saturation), sender); }
void D::colorOption(Slider* sender) { act(bindingOf(&D::colorOption), sender); }
void D::whiteBalance(Slider* sender) { act(bindingOf(&D::whiteBalance), sender); }
void D::whiteBalanceCustomRedSet(NumberField* sender) { act(bindingOf(&D::whiteBalanceCustomRedSet), sender); }
void D::whiteBalanceCustomGreenSet(NumberField* sender) { act(bindingOf(&D::whiteBalanceCustomGreenSet), sender); }
void D::whiteBalanceCustomBlueSet(NumberField* sender) { act(bindingOf(&D::whiteBalanceCustomBlueSet), sender); }
void D::fovM1(RadioMatrix* sender) { act(bindingOf(&D::fovM1), sender); }
void D::videoResolutionM1(RadioMatrix* sender) { act(bindingOf(&D::videoResolutionM1), sender); }
void D::videoFrameRateM1(RadioMatrix* sender) { act(bindingOf(&D::videoFrameRateM1), sender); }
void D::fovM2(RadioMatrix* sender) { act(bindingOf(&D::fovM2), sender); }
void D::videoResolutionM2(RadioMatrix* sender) { act(bindingOf(&D::videoResolutionM2), sender); }
void D::videoFrameRateM2(RadioMatrix* sender) { act(bindingOf(&D::videoFrameRateM2), sender); }
// clang-format on
