// The open file as other programs leave it: Save checks that the file at the
// path is still the one the window read (under kavelo-config's lock) and asks
// before replacing another program's change or making a deleted file again;
// another camera's file is never written. While the file is open, a bar above
// the settings tells of a change, a deletion or another camera at its place.
#include "Alerts.h"
#include "ConfigDocument.h"
#include "FormLookup.h"
#include "Globals.h"
#include "Mnemonics.h"
#include "MyAppDelegate.h"
#include "NoticeBar.h"
#include "SettingsForm.h"
#include "StatusMessages.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QFileInfo>
#include <QPushButton>
#include <QTabWidget>

namespace {

const char kSaved[] =
    QT_TRANSLATE_NOOP("Alerts", "Configuration file saved successfully! \nSafely "
                                "remove your camera and load the new configuration");
const char kNotSaved[] =
    QT_TRANSLATE_NOOP("Alerts", "Configuration file NOT saved! \nProblem during file writing!");

QString fileName(const QString& path) {
    return QFileInfo(path).fileName();
}

} // namespace

void MyAppDelegate::setUpFileWatch() {
    notice_ = new NoticeBar(window);
    auto* tabs = findInWindow<QTabWidget>(window, "settingsTabs");
    auto* layout = qobject_cast<QBoxLayout*>(tabs->parentWidget()->layout());
    if (layout != nullptr)
        layout->insertWidget(layout->indexOf(tabs), notice_);
    connect(document_, &ConfigDocument::changedElsewhere, this,
            [this](FileChange change) { showFileChange(change); });
}

void MyAppDelegate::showFileChange(FileChange change) {
    const QString path = document_->path();
    const bool onCard = !document_->cardMount().isEmpty();
    switch (change) {
    case FileChange::unchanged:
        notice_->dismiss();
        return;
    case FileChange::changed:
        notice_->showNotice(changedElsewhereNotice(path, onCard));
        notice_->addButton(QCoreApplication::translate("MyAppDelegate", "Reload"),
                           QStringLiteral("reloadButton"), [this] { reloadFile(); });
        break;
    case FileChange::deleted:
        if (document_->cardGone())
            return; // the card's removal says it
        notice_->showNotice(deletedElsewhereNotice(path, onCard));
        break;
    case FileChange::otherCamera:
        showOtherCamera();
        return;
    }
    notice_->addButton(QCoreApplication::translate("MyAppDelegate", "Keep my settings"),
                       QStringLiteral("keepSettingsButton"), [] {});
    assignMnemonics(window);
}

// Another camera's settings are never a side effect of Save: the user may
// open that camera's file instead.
void MyAppDelegate::showOtherCamera() {
    const QString path = document_->path();
    const QString text =
        otherCameraStatus(path, QString::fromStdString(document_->found().firmwareString));
    notice_->showNotice(text);
    notice_->addButton(QCoreApplication::translate("MyAppDelegate", "Open That Camera's File"),
                       QStringLiteral("openOtherCameraButton"), [this, path] {
                           if (mayLoseChanges())
                               loadFile(path);
                       });
    notice_->addButton(QCoreApplication::translate("MyAppDelegate", "Keep my settings"),
                       QStringLiteral("keepSettingsButton"), [] {});
    assignMnemonics(window);
    showStatus(text);
}

void MyAppDelegate::reloadFile() {
    if (document_->hasFile())
        loadFile(document_->path());
}

// Whether the user lets Save replace what another program did to the file.
bool MyAppDelegate::mayReplace(const ConfigDocument::Save& attempt) {
    const QString name = fileName(document_->path());
    if (attempt.result == ConfigDocument::Save::deleted)
        return askQuestion({QCoreApplication::translate("MyAppDelegate",
                                                        "%1 was deleted since it was opened.")
                                .arg(name),
                            QCoreApplication::translate(
                                "MyAppDelegate", "Save makes it again with the settings in this "
                                                 "window."),
                            QMessageBox::Save | QMessageBox::Cancel, QMessageBox::Save}) ==
               QMessageBox::Save;
    switch (askQuestion(
        {QCoreApplication::translate("MyAppDelegate",
                                     "%1 was changed by another program since it was opened.")
             .arg(name),
         QCoreApplication::translate("MyAppDelegate",
                                     "Overwrite replaces that change with the settings in this "
                                     "window. Reload shows what the file holds now; your "
                                     "changes are lost."),
         QMessageBox::Save | QMessageBox::Reset | QMessageBox::Cancel,
         QMessageBox::Cancel,
         {{QMessageBox::Save, QCoreApplication::translate("MyAppDelegate", "Overwrite")},
          {QMessageBox::Reset, QCoreApplication::translate("MyAppDelegate", "Reload")}}})) {
    case QMessageBox::Save:
        return true;
    case QMessageBox::Reset:
        reloadFile();
        return false;
    default:
        return false;
    }
}

// A card full of video has no room for the copy a save writes first, though
// the new text fits where the file is: the user may take the small risk.
bool MyAppDelegate::mayWriteInPlace() {
    const QString name = fileName(document_->path());
    return askQuestion(
               {QCoreApplication::translate("MyAppDelegate",
                                            "There is no room on the card for the safety copy "
                                            "that a save writes first."),
                QCoreApplication::translate(
                    "MyAppDelegate", "The new settings fit in the space %1 already takes, so "
                                     "they can be written over it directly. If the card is "
                                     "pulled out or the camera loses power in those "
                                     "milliseconds, %1 may be left damaged.")
                    .arg(name),
                QMessageBox::Save | QMessageBox::Cancel,
                QMessageBox::Cancel,
                {{QMessageBox::Save,
                  QCoreApplication::translate("MyAppDelegate", "Write in Place")}}}) ==
           QMessageBox::Save;
}

void MyAppDelegate::saveConfigFile(QObject*) {
    form_->commitPendingEdits();
    const QString path = QString::fromUtf8(configFileName);
    // The card's folder may stay behind when the card goes: writing there
    // would put the file on the computer rather than the card.
    if (document_->cardGone()) {
        showStatus(notSavedStatus(path, ENODEV));
        showAlert(QCoreApplication::translate("Alerts", kNotSaved));
        return;
    }
    ConfigDocument::Save attempt = document_->save();
    while (attempt.result == ConfigDocument::Save::changed ||
           attempt.result == ConfigDocument::Save::deleted) {
        if (!mayReplace(attempt))
            return; // the file stays as the other program left it
        attempt = document_->save(&attempt.found);
    }
    if (attempt.result == ConfigDocument::Save::failed && mCF.lastWriteFitsInPlace() &&
        mayWriteInPlace())
        attempt = document_->save(nullptr, true);
    switch (attempt.result) {
    case ConfigDocument::Save::saved:
        notice_->dismiss();
        showStatus(savedStatus(path));
        if (savedToEjectableCard(path))
            ejectButton_->show();
        showAlert(QCoreApplication::translate("Alerts", kSaved));
        return;
    case ConfigDocument::Save::otherCamera:
        showOtherCamera();
        break;
    case ConfigDocument::Save::busy:
        showStatus(busyStatus(path));
        break;
    case ConfigDocument::Save::notAnswering:
        showStatus(notAnsweringStatus(path));
        break;
    default:
        showStatus(notSavedStatus(path, mCF.lastWriteError()));
        break;
    }
    showAlert(QCoreApplication::translate("Alerts", kNotSaved));
}
