// The settings window's delegate: the window's controls (outlets), the
// actions that store a control's choice in mCF, the refresh that shows the
// settings, and the file workflow (load, save, open requests, drop, cameras).
// It is the face of three parts behind it: the form bound to the settings
// table, the document that holds the open file, and the camera monitor.
#pragma once

#include "CameraCopyRun.h"
#include "ConfigDocument.h"
#include "Controls.h"
#include "SettingValues.h"

#include <QObject>
#include <QPointer>

class CameraMonitor;
class NoticeBar;
class SettingsForm;
class StatusLine;
class QAction;
class QLabel;
class QPushButton;
class QUndoStack;
class QWidget;
struct Notification;

class MyAppDelegate : public QObject {
    Q_OBJECT

  public:
    explicit MyAppDelegate(QObject* parent = nullptr);

    // Finds every outlet in the window by its objectName and connects each
    // control to its action. Throws std::runtime_error naming the first
    // outlet or command that the window lacks.
    void bindOutlets(QWidget* window);

    // Runs once the window is up: listens for files dropped on the window,
    // then shows the settings that mCF holds.
    void applicationDidFinishLaunching();

    // File workflow. Three ways bring a file to the load: the open panel, the
    // desktop's request to open a file with the program (true when the file
    // was handed to the load, whatever the load's outcome), and a drop onto
    // the window. Each copies the path into configFileName and loads it; every
    // outcome is told in an alert.
    void loadConfigFile(QObject* sender);
    bool applicationOpenFile(const QString& path);
    void configFileDragged(const Notification& notification);
    void readConfigFile(const QString& path);
    // The load itself, after any question: the settings are replaced.
    void loadFile(const QString& path);
    // Before the settings are replaced or the program ends: settings that
    // differ from the open file are saved, dropped or kept, as the user
    // answers; true when they may go.
    bool mayLoseChanges();
    void saveConfigFile(QObject* sender);
    // File > Save a Copy…: the settings, with this camera's identifier texts,
    // into a file the user names (a preset kept on the computer); the open
    // file stays the document's, modified as it was.
    void saveCopy();
    // File > Revert: the file as the card holds it now, after a question when
    // the settings differ from it.
    void revertFile();
    // File > Apply Settings From…: another camera file's settings taken into
    // the document as one undoable change, keeping this camera's identifier
    // texts (and so the rules of its firmware when it is saved).
    void applySettingsFrom();
    // File > Apply to Connected Cameras…: the settings shown saved into each
    // connected camera the user ticks, each keeping its own identifier
    // texts, each read back; a result line per camera, and Eject All.
    void applyToCameras();

    // Control actions: each reads its sender, stores the setting and asks for
    // the refresh that the change needs.
    void syncDateTime(RadioMatrix* sender);
    void lensType(RadioMatrix* sender);
    void artificialLightFreq(RadioMatrix* sender);
    void recordingIndicator(RadioMatrix* sender);
    void usbDataCharging(RadioMatrix* sender);
    void powerOnDefaults(RadioMatrix* sender);
    void dateTimeFormat(RadioMatrix* sender);
    void powerOnAutoRecord(RadioMatrix* sender);
    void powerOnDelay(RadioMatrix* sender);
    void powerOffStandBy(RadioMatrix* sender);
    void powerOffDisconnected(RadioMatrix* sender);
    void motionDetect(RadioMatrix* sender);
    void motionSensitivity(RadioMatrix* sender);
    void motionTimeOut(RadioMatrix* sender);
    void tvVideoOutNTSC_PAL(RadioMatrix* sender);
    void tvVideoOut16_9_4_3(RadioMatrix* sender);
    void webcamMode(RadioMatrix* sender);
    void rotateWebcam180(RadioMatrix* sender);
    void formatFilesystemType(RadioMatrix* sender);
    void videoSoundFileType1(RadioMatrix* sender);
    void loopRecording1(RadioMatrix* sender);
    void audioVolume1(RadioMatrix* sender);
    void videoTimeStamp1(RadioMatrix* sender);
    void videoDataRate1(RadioMatrix* sender);
    void rotateVideo180M1(RadioMatrix* sender);
    void wideDynamicRange1(RadioMatrix* sender);
    void videoClipLength1(RadioMatrix* sender);
    void timelapseVideo1(Slider* sender);
    void videoSoundFileType2(RadioMatrix* sender);
    void loopRecording2(RadioMatrix* sender);
    void audioVolume2(RadioMatrix* sender);
    void videoTimeStamp2(RadioMatrix* sender);
    void videoDataRate2(RadioMatrix* sender);
    void rotateVideo180M2(RadioMatrix* sender);
    void wideDynamicRange2(RadioMatrix* sender);
    void videoClipLength2(RadioMatrix* sender);
    void timelapseVideo2(Slider* sender);
    void rotatePhoto180deg(RadioMatrix* sender);
    void photoFrameSize(RadioMatrix* sender);
    void timeLapsePhotos(Slider* sender);
    void photoTimeStamp(RadioMatrix* sender);
    void sharpness(Slider* sender);
    void exposure(Slider* sender);
    void contrast(Slider* sender);
    void saturation(Slider* sender);
    void colorOption(Slider* sender);
    void whiteBalance(Slider* sender);
    void whiteBalanceCustomRedSet(NumberField* sender);
    void whiteBalanceCustomGreenSet(NumberField* sender);
    void whiteBalanceCustomBlueSet(NumberField* sender);
    void setDefaultValues(Button* sender);
    void exit(QObject* sender);

    // Video-mode actions: field of view, resolution and frame rate combine
    // into each mode's resolution and frame-rate codes.
    void fovM1(RadioMatrix* sender);
    void videoResolutionM1(RadioMatrix* sender);
    void videoFrameRateM1(RadioMatrix* sender);
    void fovM2(RadioMatrix* sender);
    void videoResolutionM2(RadioMatrix* sender);
    void videoFrameRateM2(RadioMatrix* sender);

    // Refresh: show the settings in the controls.
    void updateAllControls();
    void updateCustomWhiteBalance();
    void updateLabels();
    void updateTimeLapseShootingLabel(int which); // 0 photo, 1 video mode 1, 2 video mode 2

    // The window and its outlets; bindOutlets fills them.
    QWidget* window = nullptr;

    Button* saveConfigButtonOutlet = nullptr;
    Button* setDefaultsButtonOutlet = nullptr;
    Label* firstRowLabelOutlet = nullptr;
    Label* secondRowLabelOutlet = nullptr;

    RadioMatrix* syncDateTimeOutlet = nullptr;
    RadioMatrix* lensTypeOutlet = nullptr;
    RadioMatrix* artificialLightOutlet = nullptr;
    RadioMatrix* recordingLedOutlet = nullptr;
    RadioMatrix* usbDataCharging_ = nullptr; // bound to "usbDataCharging"; the action owns the name
    RadioMatrix* powerOnDefaultsOutlet = nullptr;
    RadioMatrix* dateTimeFormatOutlet = nullptr;
    RadioMatrix* powerOnAutoRecordOutlet = nullptr;
    RadioMatrix* powerOnDelayOutlet = nullptr;
    RadioMatrix* powerOffStandByOutlet = nullptr;
    RadioMatrix* powerOffDisconnectOutlet = nullptr;

    RadioMatrix* motionDetectOutlet = nullptr;
    RadioMatrix* motionSensitivityOutlet = nullptr;
    RadioMatrix* motionTimeoutOutlet = nullptr;
    RadioMatrix* tvVideoOutNTSC_PALOutlet = nullptr;
    RadioMatrix* tvVideoOut43_169Outlet = nullptr;
    RadioMatrix* webcamModeOutlet = nullptr;
    RadioMatrix* rotateWebcam_180Outlet = nullptr;
    RadioMatrix* formatFilesystemTypeOutlet = nullptr;

    RadioMatrix* videoSoundFileType1Outlet = nullptr;
    RadioMatrix* videoSoundFileType2Outlet = nullptr;
    RadioMatrix* loopRecording1Outlet = nullptr;
    RadioMatrix* loopRecording2Outlet = nullptr;
    RadioMatrix* audioVolume1Outlet = nullptr;
    RadioMatrix* audioVolume2Outlet = nullptr;
    RadioMatrix* videoTimeStamp1Outlet = nullptr;
    RadioMatrix* videoTimeStamp2Outlet = nullptr;
    RadioMatrix* videoDataRate1Outlet = nullptr;
    RadioMatrix* videoDataRate2Outlet = nullptr;
    RadioMatrix* rotateVideoMode1Outlet = nullptr;
    RadioMatrix* rotateVideoMode2Outlet = nullptr;
    RadioMatrix* wideDynamicRange1Outlet = nullptr;
    RadioMatrix* wideDynamicRange2Outlet = nullptr;
    RadioMatrix* videoClipLength1Outlet = nullptr;
    RadioMatrix* videoClipLength2Outlet = nullptr;
    RadioMatrix* videoMode1FOVOutlet = nullptr;
    RadioMatrix* videoMode2FOVOutlet = nullptr;
    RadioMatrix* videoMode1ResOutlet = nullptr;
    RadioMatrix* videoMode2ResOutlet = nullptr;
    RadioMatrix* videoMode1FPSOutlet = nullptr;
    RadioMatrix* videoMode2FPSOutlet = nullptr;
    ButtonCell* videoClipLength10Outlet = nullptr;
    ButtonCell* video2ClipLength10Outlet = nullptr;
    ButtonCell* videoClipLength15Outlet = nullptr;
    ButtonCell* video2ClipLength15Outlet = nullptr;
    ButtonCell* videoClipLengthMaxOutlet = nullptr;
    ButtonCell* video2ClipLengthMaxOutlet = nullptr;
    Slider* timeLapseVideo1SliderOutlet = nullptr;
    Slider* timeLapseVideo2SliderOutlet = nullptr;
    Label* timeLapseVideo1Delay = nullptr;
    Label* timeLapseVideo2Delay = nullptr;

    RadioMatrix* photoTimeStampOutlet = nullptr;
    RadioMatrix* rotatePhotoOutlet = nullptr;
    RadioMatrix* photoFrameSizeOutlet = nullptr;
    Slider* timeLapsePhotoSliderOutlet = nullptr;
    Label* timeLapsePhotoDelay = nullptr;

    Slider* sharpnessSliderOutlet = nullptr;
    Slider* exposureSliderOutlet = nullptr;
    Slider* contrastSliderOutlet = nullptr;
    Slider* saturationSliderOutlet = nullptr;
    Slider* colorOptionSliderOutlet = nullptr;
    Slider* whiteBalanceSliderOutlet = nullptr;
    NumberField* whiteBalanceCustomRed = nullptr;
    NumberField* whiteBalanceCustomGreen = nullptr;
    NumberField* whiteBalanceCustomBlue = nullptr;
    Label* sharpnessLabel = nullptr;
    Label* exposureLabel = nullptr;
    Label* contrastLabel = nullptr;
    Label* saturationLabel = nullptr;

    // The open file: its path, settings, history and card. The undo history
    // holds the user's changes (a load starts a new one).
    ConfigDocument* document() const { return document_; }
    QUndoStack* history() const;
    // The status bar's last message.
    QString statusText() const;

    // The form bound to the settings, through which the outlets and the
    // actions reach them.
    SettingsForm* form() const { return form_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void bindFormOutlets();
    void connectCommands();
    void connectFileCommands();
    void enableSaving();

    // The editor (MyAppDelegateEditor.cpp): menus, status bar and keys; each
    // change the user makes as one undo step; the title; the status bar.
    void setUpEditor();
    void showTitle();
    void showStatus(const QString& message);

    // Other programs (MyAppDelegateFileChanges.cpp): the bar that tells of a
    // change to the open file, and the questions Save asks about one.
    void setUpFileWatch();
    void showFileChange(FileChange change);
    void showOtherCamera();
    void reloadFile();
    bool mayReplace(const ConfigDocument::Save& attempt);
    bool mayWriteInPlace();

    // The camera (MyAppDelegateCameras.cpp): the cards plugged in, shown in
    // the file area with Open or Mount and open; Eject; the card of the
    // loaded file going away and coming back.
    void watchCameras();
    void showCameras();
    void openCamera(const QString& path);
    void ejectCamera();
    void noteLoadedCard(const QString& path);
    QString cameraFolder() const;
    bool savedToEjectableCard(const QString& path) const;

    // Several cameras at once (MyAppDelegateCameraCopies.cpp).
    void enableApplyToCameras();
    void copyToCameras(QList<Card> chosen);
    CameraCopyLine saveOpenCamera(const Card& card);
    void showCopyResults(const QList<CameraCopyLine>& lines);
    void ejectCameras(const QList<Card>& cards);

    QPointer<QAction> saveAction_;
    SettingsForm* form_ = nullptr;
    ConfigDocument* document_ = nullptr;
    StatusLine* status_ = nullptr;
    NoticeBar* notice_ = nullptr;
    // The user answered for the changes there are now (the quit that follows
    // Exit closes the window, which then asks nothing more); a new change or
    // another file asks again.
    bool changesAnswered_ = false;
    CameraMonitor* cameraMonitor_ = nullptr;
    QPushButton* ejectButton_ = nullptr;
    QString ejectedMount_; // the card last ejected, whose going is no news
};
