// The file beside the document: a copy of the settings kept on the computer
// (which is what a preset is: a camera file the user keeps), and going back to
// the file as the card holds it.
#include "Alerts.h"
#include "ConfigDocument.h"
#include "MyAppDelegate.h"
#include "SavePanel.h"
#include "SettingsForm.h"
#include "StatusMessages.h"

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
    showStatus(error == 0
                   ? QStringLiteral("Saved a copy as %1").arg(QDir::toNativeSeparators(*chosen))
                   : notSavedStatus(*chosen, error));
}

void MyAppDelegate::revertFile() {
    if (!document_->hasFile())
        return;
    const QString name = QFileInfo(document_->path()).fileName();
    if (document_->isModified() &&
        askQuestion({QStringLiteral("Revert to %1 as the card holds it?").arg(name),
                     QStringLiteral("Your changes since it was opened or saved are lost."),
                     QMessageBox::Discard | QMessageBox::Cancel,
                     QMessageBox::Cancel,
                     {{QMessageBox::Discard, QStringLiteral("Revert")}}}) != QMessageBox::Discard)
        return;
    loadFile(document_->path());
}
