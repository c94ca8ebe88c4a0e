// Files beside the document: a copy of the settings kept on the computer
// (which is what a preset is: a camera file the user keeps), the settings of
// another such file taken in, and going back to the file as the card holds it.
#include "Alerts.h"
#include "CameraRules.h"
#include "ConfigDocument.h"
#include "Globals.h"
#include "LoadMessages.h"
#include "MyAppDelegate.h"
#include "OpenPanel.h"
#include "SavePanel.h"
#include "SettingsForm.h"
#include "StatusMessages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

void MyAppDelegate::saveCopy() {
    if (!document_->hasFile())
        return;
    form_->commitPendingEdits();
    const std::optional<QString> chosen = runSavePanel(window);
    if (!chosen)
        return;
    // The document's own file is written by Save, which checks it first.
    if (QFileInfo(*chosen).absoluteFilePath() == QFileInfo(document_->path()).absoluteFilePath()) {
        saveConfigFile(nullptr);
        return;
    }
    const int error = document_->saveCopy(*chosen);
    showStatus(error == 0 ? QCoreApplication::translate("MyAppDelegate", "Saved a copy as %1")
                                .arg(QDir::toNativeSeparators(*chosen))
                          : notSavedStatus(*chosen, error));
}

void MyAppDelegate::revertFile() {
    if (!document_->hasFile())
        return;
    const QString name = QFileInfo(document_->path()).fileName();
    if (document_->isModified() &&
        askQuestion(
            {QCoreApplication::translate("MyAppDelegate", "Revert to %1 as the card holds it?")
                 .arg(name),
             QCoreApplication::translate("MyAppDelegate",
                                         "Your changes since it was opened or saved are lost."),
             QMessageBox::Discard | QMessageBox::Cancel,
             QMessageBox::Cancel,
             {{QMessageBox::Discard, QCoreApplication::translate("MyAppDelegate", "Revert")}}}) !=
            QMessageBox::Discard)
        return;
    loadFile(document_->path());
}

void MyAppDelegate::applySettingsFrom() {
    if (!document_->hasFile())
        return;
    form_->commitPendingEdits();
    const std::optional<QString> chosen = runOpenPanel(window);
    if (!chosen)
        return;
    const ConfigDocument::Other other = document_->readOther(*chosen);
    if (!other.read) {
        // Refused as a load refuses it, and nothing changes.
        const QString message =
            refusalAlert(other.parser.getRevisionNumber(), other.parser.getFirmwareNumber());
        showStatus(refusedStatus(*chosen, other.finding.isEmpty() ? message : other.finding,
                                 document_->path()));
        showAlert(message);
        return;
    }
    const SettingValues before = mCF.settings();
    // The camera's clock choice stays this camera's, as kavelo-config copy
    // keeps it.
    rules::takeSettingsOf(mCF.settings(), other.parser.settings());
    updateAllControls();
    int changed = 0;
    for (int i = 0; i < kSettingCount; ++i)
        changed += before[static_cast<std::size_t>(i)] != mCF.getCameraValue(i) ? 1 : 0;
    document_->recordChange(QCoreApplication::translate("MyAppDelegate", "Apply Settings From"),
                            before);
    showStatus(
        QCoreApplication::translate("MyAppDelegate", "Took the settings of %1: %2 changed")
            .arg(QDir::toNativeSeparators(*chosen),
                 changed == 1
                     ? QCoreApplication::translate("MyAppDelegate", "1 setting")
                     : QCoreApplication::translate("MyAppDelegate", "%1 settings").arg(changed)));
}
