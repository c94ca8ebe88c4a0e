// Binding the delegate to the window: every outlet found by its objectName.
#include "MyAppDelegate.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QWidget>

#include <stdexcept>

namespace {

using D = MyAppDelegate;

template <class Wrapper> struct Outlet {
    Wrapper* D::*member;
    const char* name;
};

#define OUTLET(member)                                                                             \
    { &D::member, #member }

const Outlet<Button> kButtons[] = {OUTLET(saveConfigButtonOutlet), OUTLET(setDefaultsButtonOutlet)};

const Outlet<Label> kLabels[] = {
    OUTLET(firstRowLabelOutlet),  OUTLET(secondRowLabelOutlet), OUTLET(timeLapseVideo1Delay),
    OUTLET(timeLapseVideo2Delay), OUTLET(timeLapsePhotoDelay),  OUTLET(sharpnessLabel),
    OUTLET(exposureLabel),        OUTLET(contrastLabel),        OUTLET(saturationLabel),
};

const Outlet<RadioMatrix> kRadioGroups[] = {
    OUTLET(syncDateTimeOutlet),
    OUTLET(lensTypeOutlet),
    OUTLET(artificialLightOutlet),
    OUTLET(recordingLedOutlet),
    {&D::usbDataCharging_, "usbDataCharging"},
    OUTLET(powerOnDefaultsOutlet),
    OUTLET(dateTimeFormatOutlet),
    OUTLET(powerOnAutoRecordOutlet),
    OUTLET(powerOnDelayOutlet),
    OUTLET(powerOffStandByOutlet),
    OUTLET(powerOffDisconnectOutlet),
    OUTLET(motionDetectOutlet),
    OUTLET(motionSensitivityOutlet),
    OUTLET(motionTimeoutOutlet),
    OUTLET(tvVideoOutNTSC_PALOutlet),
    OUTLET(tvVideoOut43_169Outlet),
    OUTLET(webcamModeOutlet),
    OUTLET(rotateWebcam_180Outlet),
    OUTLET(formatFilesystemTypeOutlet),
    OUTLET(videoSoundFileType1Outlet),
    OUTLET(videoSoundFileType2Outlet),
    OUTLET(loopRecording1Outlet),
    OUTLET(loopRecording2Outlet),
    OUTLET(audioVolume1Outlet),
    OUTLET(audioVolume2Outlet),
    OUTLET(videoTimeStamp1Outlet),
    OUTLET(videoTimeStamp2Outlet),
    OUTLET(videoDataRate1Outlet),
    OUTLET(videoDataRate2Outlet),
    OUTLET(rotateVideoMode1Outlet),
    OUTLET(rotateVideoMode2Outlet),
    OUTLET(wideDynamicRange1Outlet),
    OUTLET(wideDynamicRange2Outlet),
    OUTLET(videoClipLength1Outlet),
    OUTLET(videoClipLength2Outlet),
    OUTLET(videoMode1FOVOutlet),
    OUTLET(videoMode2FOVOutlet),
    OUTLET(videoMode1ResOutlet),
    OUTLET(videoMode2ResOutlet),
    OUTLET(videoMode1FPSOutlet),
    OUTLET(videoMode2FPSOutlet),
    OUTLET(photoTimeStampOutlet),
    OUTLET(rotatePhotoOutlet),
    OUTLET(photoFrameSizeOutlet),
};

const Outlet<ButtonCell> kCells[] = {
    OUTLET(videoClipLength10Outlet),  OUTLET(video2ClipLength10Outlet),
    OUTLET(videoClipLength15Outlet),  OUTLET(video2ClipLength15Outlet),
    OUTLET(videoClipLengthMaxOutlet), OUTLET(video2ClipLengthMaxOutlet),
};

const Outlet<Slider> kSliders[] = {
    OUTLET(timeLapseVideo1SliderOutlet), OUTLET(timeLapseVideo2SliderOutlet),
    OUTLET(timeLapsePhotoSliderOutlet),  OUTLET(sharpnessSliderOutlet),
    OUTLET(exposureSliderOutlet),        OUTLET(contrastSliderOutlet),
    OUTLET(saturationSliderOutlet),      OUTLET(colorOptionSliderOutlet),
    OUTLET(whiteBalanceSliderOutlet),
};

const Outlet<NumberField> kFields[] = {
    OUTLET(whiteBalanceCustomRed), OUTLET(whiteBalanceCustomGreen), OUTLET(whiteBalanceCustomBlue)};

#undef OUTLET

template <class Widget> Widget* findInWindow(QWidget* window, const char* name) {
    Widget* widget = window->findChild<Widget*>(QLatin1String(name));
    if (widget == nullptr)
        throw std::runtime_error(std::string("the window has no ") +
                                 Widget::staticMetaObject.className() + " named " + name);
    return widget;
}

// Each wrapper is a child of the delegate and lives as long as it does.
template <class Widget, class Wrapper, std::size_t N>
void bindAll(D& delegate, QWidget* window, const Outlet<Wrapper> (&outlets)[N]) {
    for (const Outlet<Wrapper>& outlet : outlets) {
        auto* wrapper = new Wrapper(findInWindow<Widget>(window, outlet.name));
        wrapper->setParent(&delegate);
        delegate.*outlet.member = wrapper;
    }
}

} // namespace

MyAppDelegate::MyAppDelegate(QObject* parent) : QObject(parent) {}

void MyAppDelegate::bindOutlets(QWidget* settingsWindow) {
    window = settingsWindow;
    bindAll<QPushButton>(*this, settingsWindow, kButtons);
    bindAll<QLabel>(*this, settingsWindow, kLabels);
    bindAll<QWidget>(*this, settingsWindow, kRadioGroups);
    bindAll<QRadioButton>(*this, settingsWindow, kCells);
    bindAll<QSlider>(*this, settingsWindow, kSliders);
    bindAll<QLineEdit>(*this, settingsWindow, kFields);
    connectActions();
    connectCommands();
    connectFileCommands();
}

// The Exit button and the Quit menu command both end the program.
void MyAppDelegate::connectCommands() {
    QPushButton* exitButton = findInWindow<QPushButton>(window, "exitButton");
    connect(exitButton, &QPushButton::clicked, this, [this, exitButton] { exit(exitButton); });
    QAction* quit = findInWindow<QAction>(window, "actionQuit");
    connect(quit, &QAction::triggered, this, [this, quit] { exit(quit); });
}

// Nothing is asked or saved on the way out.
void MyAppDelegate::exit(QObject*) {
    QCoreApplication::quit();
}
