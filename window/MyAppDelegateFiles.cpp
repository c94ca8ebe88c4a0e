// The file workflow: the ways a configuration file reaches the load, the load
// with its status rows and alerts, and Save.
#include "Alerts.h"
#include "FileType.h"
#include "FormLookup.h"
#include "Globals.h"
#include "LoadMessages.h"
#include "MyAppDelegate.h"
#include "MyView.h"
#include "NotificationCenter.h"
#include "OpenPanel.h"
#include "SettingValues.h"
#include "StatusMessages.h"
#include "WindowTitle.h"

#include <cerrno>

#include <QAction>
#include <QByteArray>
#include <QKeySequence>
#include <QPushButton>
#include <QUndoStack>
#include <QWidget>

#include <algorithm>
#include <cstring>
#include <optional>
#include <stdexcept>
#include <string>

namespace {

const char kLoaded[] =
    "Configuration file loaded successfully! \nChange the configuration than pres the Save button";
const char kSaved[] = "Configuration file saved successfully! \nSafely remove your camera and "
                      "load the new configuration";
const char kNotSaved[] = "Configuration file NOT saved! \nProblem during file writing!";
const char kTypeUnknown[] = "Error when trying to detect the type of file!";
const char kNotText[] = "Unknown file format!";
const char kPathTooLong[] = "File path too long!";

void alert(const std::string& message) {
    showAlert(QString::fromStdString(message));
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
    {"actionQuit", QKeySequence::Quit},
};

// configFileName takes a path's UTF-8 bytes with their NUL. A path that does
// not fit is refused, with an alert, before anything changes.
bool fitsConfigFileName(const QByteArray& path) {
    if (static_cast<std::size_t>(path.size()) < kConfigFileNameSize)
        return true;
    alert(kPathTooLong);
    return false;
}

void storeConfigFileName(const char* path, std::size_t length) {
    std::memset(configFileName, 0, kConfigFileNameSize);
    std::memcpy(configFileName, path, std::min(length, kConfigFileNameSize - 1));
}

// Every way in loads from configFileName, so that Save writes where it read.
void loadFrom(MyAppDelegate& delegate, const QByteArray& path) {
    storeConfigFileName(path.constData(), static_cast<std::size_t>(path.size()));
    delegate.readConfigFile(configFileName);
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
    const QByteArray path = chosen->toUtf8();
    if (fitsConfigFileName(path))
        loadFrom(*this, path);
}

bool MyAppDelegate::applicationOpenFile(const QString& path) {
    const QByteArray bytes = path.toUtf8();
    if (!fitsConfigFileName(bytes))
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
    loadFrom(*this, bytes);
    return true; // the load tells its own outcome
}

// A fourth way into the load: a camera's Open, with the same refusal of a
// path too long.
void MyAppDelegate::openCamera(const QString& path) {
    const QByteArray bytes = path.toUtf8();
    if (fitsConfigFileName(bytes))
        loadFrom(*this, bytes);
}

void MyAppDelegate::configFileDragged(const Notification& notification) {
    const auto entry = notification.userInfo.constFind(QLatin1String(kConfigPathKey));
    if (entry == notification.userInfo.constEnd() || entry->metaType().id() != QMetaType::QString)
        return;
    const QByteArray path = entry->toString().toUtf8();
    if (fitsConfigFileName(path))
        loadFrom(*this, path);
}

void MyAppDelegate::enableSaving() {
    saveConfigButtonOutlet->setEnabled(true);
    setDefaultsButtonOutlet->setEnabled(true);
    if (saveAction_)
        saveAction_->setEnabled(true);
}

void MyAppDelegate::readConfigFile(const char* path) {
    // A refused read changes no setting and no camera time, only the
    // identification; this copy puts back exactly what the last good load left.
    const KaveloConfigParser beforeRead = mCF;
    const QString shownPath = QString::fromUtf8(path);
    if (mCF.readConfigFile(path)) {
        lastLoadedFileName_ = path;
        const SettingValues read = valuesOf(mCF);
        enableSaving();
        updateAllControls();
        firstRowLabelOutlet->setStringValue(QStringLiteral("Firmware info: ") +
                                            QString::fromUtf8(mCF.getFirmwareString()));
        secondRowLabelOutlet->setStringValue(
            QStringLiteral("Revision info: ") + QString::fromUtf8(mCF.getRevisionString()) +
            QStringLiteral("\t Camera time:") + QString::fromUtf8(mCF.getCameraTime()));
        // A new file starts a new history; what the refresh's rule changed is
        // no longer what the file holds, and the marker and the status say so.
        history()->clear();
        markSaved(read);
        noteLoadedCard(shownPath);
        window->setWindowTitle(windowTitleFor(shownPath, loadedVolume_));
        const QString changes = loadRuleChanges(read, valuesOf(mCF));
        showStatus(loadedStatus(shownPath) +
                   (changes.isEmpty() ? QString() : QStringLiteral(". ") + changes));
        alert(kLoaded);
        return;
    }
    // The message names what the refused file held; then Save goes back to
    // writing the last file that loaded, with its own identification, rather
    // than the settings of one file into another.
    const std::string message =
        load_messages::failureMessage(mCF.getRevisionNumber(), mCF.getFirmwareNumber());
    mCF = beforeRead;
    storeConfigFileName(lastLoadedFileName_.data(), lastLoadedFileName_.size());
    showStatus(refusedStatus(shownPath, QString::fromStdString(message),
                             QString::fromStdString(lastLoadedFileName_)));
    alert(message);
}

void MyAppDelegate::saveConfigFile(QObject*) {
    for (NumberField* gain :
         {whiteBalanceCustomRed, whiteBalanceCustomGreen, whiteBalanceCustomBlue})
        gain->commitPendingEdit();
    const QString path = QString::fromUtf8(configFileName);
    // The card's folder may stay behind when the card goes: writing there
    // would put the file on the computer rather than the card.
    if (cardGone_) {
        showStatus(notSavedStatus(path, ENODEV));
        alert(kNotSaved);
        return;
    }
    const bool saved = mCF.writeConfigFile(configFileName);
    if (saved) {
        markSaved(valuesOf(mCF));
        showStatus(savedStatus(path));
        if (savedToEjectableCard(path))
            ejectButton_->show();
    } else {
        showStatus(notSavedStatus(path, mCF.lastWriteError()));
    }
    alert(saved ? kSaved : kNotSaved);
}
