// The file workflow: the ways a configuration file reaches the load, the load
// with its status rows and alerts, and Save.
#include "Alerts.h"
#include "ConfigDocument.h"
#include "FileType.h"
#include "FormLookup.h"
#include "Globals.h"
#include "LoadMessages.h"
#include "MyAppDelegate.h"
#include "MyView.h"
#include "NoticeBar.h"
#include "NotificationCenter.h"
#include "OpenPanel.h"
#include "SettingsForm.h"
#include "StatusMessages.h"

#include <cerrno>

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QKeySequence>
#include <QPushButton>
#include <QUndoStack>
#include <QWidget>

#include <optional>
#include <stdexcept>
#include <string>

namespace {

const char kLoaded[] = QT_TRANSLATE_NOOP("Alerts", "Configuration file loaded successfully! "
                                                   "\nChange the configuration than pres the Save "
                                                   "button");
const char kTypeUnknown[] =
    QT_TRANSLATE_NOOP("Alerts", "Error when trying to detect the type of file!");
const char kNotText[] = QT_TRANSLATE_NOOP("Alerts", "Unknown file format!");
const char kPathTooLong[] = QT_TRANSLATE_NOOP("Alerts", "File path too long!");

// An alert of the file workflow, in the user's language.
void alert(const char* message) {
    showAlert(QCoreApplication::translate("Alerts", message));
}

// The menu commands answer the keys that the desktop uses for them; where it
// has none (Quit on some systems), the form's own key stays.
struct CommandKeys {
    const char* action;
    QKeySequence::StandardKey keys;
};
const CommandKeys kCommandKeys[] = {
    {"actionOpen", QKeySequence::Open},
    {"actionSave", QKeySequence::Save},
    {"actionSaveCopy", QKeySequence::SaveAs},
    {"actionQuit", QKeySequence::Quit},
};

// configFileName takes a path's UTF-8 bytes with their NUL. A path that does
// not fit is refused, with an alert, before anything changes.
bool fitsConfigFileName(const QString& path) {
    if (static_cast<std::size_t>(path.toUtf8().size()) < kConfigFileNameSize)
        return true;
    alert(kPathTooLong);
    return false;
}

} // namespace

void MyAppDelegate::connectFileCommands() {
    QPushButton* load = findInWindow<QPushButton>(window, "loadButton");
    connect(load, &QPushButton::clicked, this, [this, load] { loadConfigFile(load); });
    QAction* open = findInWindow<QAction>(window, "actionOpen");
    connect(open, &QAction::triggered, this, [this, open] { loadConfigFile(open); });

    saveConfigButtonOutlet->setAction([this] { saveConfigFile(saveConfigButtonOutlet); });
    saveAction_ = findInWindow<QAction>(window, "actionSave");
    connect(saveAction_, &QAction::triggered, this, [this] { saveConfigFile(saveAction_); });
    connect(findInWindow<QAction>(window, "actionSaveCopy"), &QAction::triggered, this,
            [this] { saveCopy(); });
    connect(findInWindow<QAction>(window, "actionRevert"), &QAction::triggered, this,
            [this] { revertFile(); });
    connect(findInWindow<QAction>(window, "actionApplyFrom"), &QAction::triggered, this,
            [this] { applySettingsFrom(); });
    connect(findInWindow<QAction>(window, "actionApplyToCameras"), &QAction::triggered, this,
            [this] { applyToCameras(); });

    for (const CommandKeys& row : kCommandKeys) {
        QAction* action = findInWindow<QAction>(window, row.action);
        const QList<QKeySequence> standard = QKeySequence::keyBindings(row.keys);
        if (!standard.isEmpty())
            action->setShortcuts(standard);
    }
}

void MyAppDelegate::applicationDidFinishLaunching() {
    NotificationCenter::defaultCenter().addObserver(QLatin1String(kConfigFileDraggedNotification),
                                                    this, &MyAppDelegate::configFileDragged);
    updateAllControls();
    watchCameras();
}

void MyAppDelegate::loadConfigFile(QObject*) {
    const std::optional<QString> chosen = runOpenPanel(window, cameraFolder());
    if (!chosen)
        return; // cancelled: nothing changes
    if (fitsConfigFileName(*chosen))
        readConfigFile(*chosen);
}

bool MyAppDelegate::applicationOpenFile(const QString& path) {
    if (!fitsConfigFileName(path))
        return false;
    switch (typeOfFile(path)) {
    case FileType::None:
        alert(kTypeUnknown);
        return false;
    case FileType::Other:
        alert(kNotText);
        return false;
    case FileType::PlainText:
        break;
    }
    readConfigFile(path);
    return true; // the load tells its own outcome
}

// A fourth way into the load: a camera's Open, with the same refusal of a
// path too long.
void MyAppDelegate::openCamera(const QString& path) {
    if (fitsConfigFileName(path))
        readConfigFile(path);
}

void MyAppDelegate::configFileDragged(const Notification& notification) {
    const auto entry = notification.userInfo.constFind(QLatin1String(kConfigPathKey));
    if (entry == notification.userInfo.constEnd() || entry->metaType().id() != QMetaType::QString)
        return;
    const QString path = entry->toString();
    if (fitsConfigFileName(path))
        readConfigFile(path);
}

void MyAppDelegate::enableSaving() {
    saveConfigButtonOutlet->setEnabled(true);
    setDefaultsButtonOutlet->setEnabled(true);
    if (saveAction_)
        saveAction_->setEnabled(true);
    for (const char* name : {"actionSaveCopy", "actionApplyFrom", "actionRevert"})
        findInWindow<QAction>(window, name)->setEnabled(true);
}

bool MyAppDelegate::mayLoseChanges() {
    if (document_ == nullptr || !document_->hasFile() || !document_->isModified() ||
        changesAnswered_)
        return true;
    const QString name = QFileInfo(document_->path()).fileName();
    switch (askQuestion(
        {QCoreApplication::translate("MyAppDelegate", "Do you want to save the changes to %1?")
             .arg(name),
         QCoreApplication::translate("MyAppDelegate",
                                     "The settings in the window differ from the file. "
                                     "Your changes are lost if you don't save them."),
         QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save})) {
    case QMessageBox::Save:
        saveConfigFile(nullptr);
        return !document_->isModified(); // a save that failed keeps them
    case QMessageBox::Discard:
        changesAnswered_ = true;
        return true;
    default:
        return false;
    }
}

void MyAppDelegate::readConfigFile(const QString& path) {
    if (mayLoseChanges())
        loadFile(path);
}

void MyAppDelegate::loadFile(const QString& path) {
    const ConfigDocument::Load load = document_->load(path);
    if (load.loaded) {
        changesAnswered_ = false;
        notice_->dismiss();
        enableSaving();
        updateAllControls();
        firstRowLabelOutlet->setStringValue(
            QCoreApplication::translate("MyAppDelegate", "Firmware info: ") +
            QString::fromUtf8(mCF.getFirmwareString()));
        secondRowLabelOutlet->setStringValue(
            QCoreApplication::translate("MyAppDelegate", "Revision info: ") +
            QString::fromUtf8(mCF.getRevisionString()) +
            QCoreApplication::translate("MyAppDelegate", "\t Camera time:") +
            QString::fromUtf8(mCF.getCameraTime()));
        // What the refresh's rule changed is no longer what the file holds,
        // and the marker and the status say so.
        noteLoadedCard(path);
        const QString changes = loadRuleChanges(load.read, mCF.settings());
        showStatus(loadedStatus(path) +
                   (changes.isEmpty()
                        ? QString()
                        : QCoreApplication::translate("MyAppDelegate", ". ") + changes));
        alert(kLoaded);
        return;
    }
    // The message names what the refused file held.
    const QString message = refusalAlert(load.revisionNumber, load.firmwareNumber);
    showStatus(
        refusedStatus(path, load.finding.isEmpty() ? message : load.finding, document_->path()));
    showAlert(message);
}
