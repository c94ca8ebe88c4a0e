// Binding the delegate to the window: the form binds every control from the
// settings table, and the outlets are the form's controls by their names.
#include "MyAppDelegate.h"

#include "ConfigDocument.h"
#include "FormLookup.h"
#include "Globals.h"
#include "Mnemonics.h"
#include "SettingsForm.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include <stdexcept>
#include <string>

MyAppDelegate::MyAppDelegate(QObject* parent) : QObject(parent) {}

namespace {

// Each wrapper of the delegate's own is a child of it and lives as long as it does.
template <class Wrapper, class Widget>
Wrapper* wrapOwn(MyAppDelegate& delegate, QWidget* window, const char* name) {
    auto* wrapper = new Wrapper(findInWindow<Widget>(window, name));
    wrapper->setParent(&delegate);
    return wrapper;
}

// A control that the form bound, by its name in the form.
template <class Wrapper> Wrapper* formOutlet(const SettingsForm& form, const char* name) {
    auto* wrapper = form.control<Wrapper>(name);
    if (wrapper == nullptr)
        throw std::runtime_error(std::string("the form binds no control named ") + name);
    return wrapper;
}

} // namespace

// The outlets that the form's controls stand behind.
void MyAppDelegate::bindFormOutlets() {
    syncDateTimeOutlet = formOutlet<RadioMatrix>(*form_, "syncDateTimeOutlet");
    lensTypeOutlet = formOutlet<RadioMatrix>(*form_, "lensTypeOutlet");
    artificialLightOutlet = formOutlet<RadioMatrix>(*form_, "artificialLightOutlet");
    recordingLedOutlet = formOutlet<RadioMatrix>(*form_, "recordingLedOutlet");
    usbDataCharging_ = formOutlet<RadioMatrix>(*form_, "usbDataCharging");
    powerOnDefaultsOutlet = formOutlet<RadioMatrix>(*form_, "powerOnDefaultsOutlet");
    dateTimeFormatOutlet = formOutlet<RadioMatrix>(*form_, "dateTimeFormatOutlet");
    powerOnAutoRecordOutlet = formOutlet<RadioMatrix>(*form_, "powerOnAutoRecordOutlet");
    powerOnDelayOutlet = formOutlet<RadioMatrix>(*form_, "powerOnDelayOutlet");
    powerOffStandByOutlet = formOutlet<RadioMatrix>(*form_, "powerOffStandByOutlet");
    powerOffDisconnectOutlet = formOutlet<RadioMatrix>(*form_, "powerOffDisconnectOutlet");
    motionDetectOutlet = formOutlet<RadioMatrix>(*form_, "motionDetectOutlet");
    motionSensitivityOutlet = formOutlet<RadioMatrix>(*form_, "motionSensitivityOutlet");
    motionTimeoutOutlet = formOutlet<RadioMatrix>(*form_, "motionTimeoutOutlet");
    tvVideoOutNTSC_PALOutlet = formOutlet<RadioMatrix>(*form_, "tvVideoOutNTSC_PALOutlet");
    tvVideoOut43_169Outlet = formOutlet<RadioMatrix>(*form_, "tvVideoOut43_169Outlet");
    webcamModeOutlet = formOutlet<RadioMatrix>(*form_, "webcamModeOutlet");
    rotateWebcam_180Outlet = formOutlet<RadioMatrix>(*form_, "rotateWebcam_180Outlet");
    formatFilesystemTypeOutlet = formOutlet<RadioMatrix>(*form_, "formatFilesystemTypeOutlet");
    videoSoundFileType1Outlet = formOutlet<RadioMatrix>(*form_, "videoSoundFileType1Outlet");
    videoSoundFileType2Outlet = formOutlet<RadioMatrix>(*form_, "videoSoundFileType2Outlet");
    loopRecording1Outlet = formOutlet<RadioMatrix>(*form_, "loopRecording1Outlet");
    loopRecording2Outlet = formOutlet<RadioMatrix>(*form_, "loopRecording2Outlet");
    audioVolume1Outlet = formOutlet<RadioMatrix>(*form_, "audioVolume1Outlet");
    audioVolume2Outlet = formOutlet<RadioMatrix>(*form_, "audioVolume2Outlet");
    videoTimeStamp1Outlet = formOutlet<RadioMatrix>(*form_, "videoTimeStamp1Outlet");
    videoTimeStamp2Outlet = formOutlet<RadioMatrix>(*form_, "videoTimeStamp2Outlet");
    videoDataRate1Outlet = formOutlet<RadioMatrix>(*form_, "videoDataRate1Outlet");
    videoDataRate2Outlet = formOutlet<RadioMatrix>(*form_, "videoDataRate2Outlet");
    rotateVideoMode1Outlet = formOutlet<RadioMatrix>(*form_, "rotateVideoMode1Outlet");
    rotateVideoMode2Outlet = formOutlet<RadioMatrix>(*form_, "rotateVideoMode2Outlet");
    wideDynamicRange1Outlet = formOutlet<RadioMatrix>(*form_, "wideDynamicRange1Outlet");
    wideDynamicRange2Outlet = formOutlet<RadioMatrix>(*form_, "wideDynamicRange2Outlet");
    videoClipLength1Outlet = formOutlet<RadioMatrix>(*form_, "videoClipLength1Outlet");
    videoClipLength2Outlet = formOutlet<RadioMatrix>(*form_, "videoClipLength2Outlet");
    videoMode1FOVOutlet = formOutlet<RadioMatrix>(*form_, "videoMode1FOVOutlet");
    videoMode2FOVOutlet = formOutlet<RadioMatrix>(*form_, "videoMode2FOVOutlet");
    videoMode1ResOutlet = formOutlet<RadioMatrix>(*form_, "videoMode1ResOutlet");
    videoMode2ResOutlet = formOutlet<RadioMatrix>(*form_, "videoMode2ResOutlet");
    videoMode1FPSOutlet = formOutlet<RadioMatrix>(*form_, "videoMode1FPSOutlet");
    videoMode2FPSOutlet = formOutlet<RadioMatrix>(*form_, "videoMode2FPSOutlet");
    videoClipLength10Outlet = formOutlet<ButtonCell>(*form_, "videoClipLength10Outlet");
    video2ClipLength10Outlet = formOutlet<ButtonCell>(*form_, "video2ClipLength10Outlet");
    videoClipLength15Outlet = formOutlet<ButtonCell>(*form_, "videoClipLength15Outlet");
    video2ClipLength15Outlet = formOutlet<ButtonCell>(*form_, "video2ClipLength15Outlet");
    videoClipLengthMaxOutlet = formOutlet<ButtonCell>(*form_, "videoClipLengthMaxOutlet");
    video2ClipLengthMaxOutlet = formOutlet<ButtonCell>(*form_, "video2ClipLengthMaxOutlet");
    timeLapseVideo1SliderOutlet = formOutlet<Slider>(*form_, "timeLapseVideo1SliderOutlet");
    timeLapseVideo2SliderOutlet = formOutlet<Slider>(*form_, "timeLapseVideo2SliderOutlet");
    timeLapseVideo1Delay = formOutlet<Label>(*form_, "timeLapseVideo1Delay");
    timeLapseVideo2Delay = formOutlet<Label>(*form_, "timeLapseVideo2Delay");
    photoTimeStampOutlet = formOutlet<RadioMatrix>(*form_, "photoTimeStampOutlet");
    rotatePhotoOutlet = formOutlet<RadioMatrix>(*form_, "rotatePhotoOutlet");
    photoFrameSizeOutlet = formOutlet<RadioMatrix>(*form_, "photoFrameSizeOutlet");
    timeLapsePhotoSliderOutlet = formOutlet<Slider>(*form_, "timeLapsePhotoSliderOutlet");
    timeLapsePhotoDelay = formOutlet<Label>(*form_, "timeLapsePhotoDelay");
    sharpnessSliderOutlet = formOutlet<Slider>(*form_, "sharpnessSliderOutlet");
    exposureSliderOutlet = formOutlet<Slider>(*form_, "exposureSliderOutlet");
    contrastSliderOutlet = formOutlet<Slider>(*form_, "contrastSliderOutlet");
    saturationSliderOutlet = formOutlet<Slider>(*form_, "saturationSliderOutlet");
    colorOptionSliderOutlet = formOutlet<Slider>(*form_, "colorOptionSliderOutlet");
    whiteBalanceSliderOutlet = formOutlet<Slider>(*form_, "whiteBalanceSliderOutlet");
    whiteBalanceCustomRed = formOutlet<NumberField>(*form_, "whiteBalanceCustomRed");
    whiteBalanceCustomGreen = formOutlet<NumberField>(*form_, "whiteBalanceCustomGreen");
    whiteBalanceCustomBlue = formOutlet<NumberField>(*form_, "whiteBalanceCustomBlue");
    sharpnessLabel = formOutlet<Label>(*form_, "sharpnessLabel");
    exposureLabel = formOutlet<Label>(*form_, "exposureLabel");
    contrastLabel = formOutlet<Label>(*form_, "contrastLabel");
    saturationLabel = formOutlet<Label>(*form_, "saturationLabel");
}

void MyAppDelegate::bindOutlets(QWidget* settingsWindow) {
    window = settingsWindow;
    form_ = new SettingsForm(mCF, this);
    form_->bind(settingsWindow);
    bindFormOutlets();
    // The file workflow's own.
    firstRowLabelOutlet = wrapOwn<Label, QLabel>(*this, window, "firstRowLabelOutlet");
    secondRowLabelOutlet = wrapOwn<Label, QLabel>(*this, window, "secondRowLabelOutlet");
    saveConfigButtonOutlet = wrapOwn<Button, QPushButton>(*this, window, "saveConfigButtonOutlet");
    setDefaultsButtonOutlet =
        wrapOwn<Button, QPushButton>(*this, window, "setDefaultsButtonOutlet");
    connectCommands();
    connectFileCommands();
    setUpEditor();
    window->installEventFilter(this);
}

// The Set defaults and Exit buttons, and the Quit menu command.
void MyAppDelegate::connectCommands() {
    setDefaultsButtonOutlet->setAction([this] {
        const SettingValues before = mCF.settings();
        setDefaultValues(setDefaultsButtonOutlet);
        form_->showChoiceLabels();
        document_->recordChange(withoutMnemonic(setDefaultsButtonOutlet->widget()->text()), before);
    });
    QPushButton* exitButton = findInWindow<QPushButton>(window, "exitButton");
    connect(exitButton, &QPushButton::clicked, this, [this, exitButton] { exit(exitButton); });
    QAction* quit = findInWindow<QAction>(window, "actionQuit");
    connect(quit, &QAction::triggered, this, [this, quit] { exit(quit); });
}

// Nothing is asked or saved on the way out, but for changes that would be lost.
void MyAppDelegate::exit(QObject*) {
    if (mayLoseChanges())
        QCoreApplication::quit();
}

// The window's close button, like Exit, first asks about changes that would
// be lost.
bool MyAppDelegate::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window && event->type() == QEvent::Close && !mayLoseChanges()) {
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

// The file on the card changes only when the user saves.
void MyAppDelegate::setDefaultValues(Button*) {
    mCF.setDefaults();
    updateAllControls();
}
