// Setting up several cameras at once: the cameras to take the settings shown
// are ticked, each is saved beside the window (the open file's camera by the
// document's own Save, with its checks), a progress dialog shows past half a
// second, and the results come as one line per camera, with Eject All.
#include "BackgroundTask.h"
#include "CameraChoiceDialog.h"
#include "CameraCopy.h"
#include "CameraCopyRun.h"
#include "CameraMonitor.h"
#include "ConfigDocument.h"
#include "CopyResultsDialog.h"
#include "FormLookup.h"
#include "MyAppDelegate.h"
#include "SettingsForm.h"
#include "StatusMessages.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QProgressDialog>

#include <algorithm>

namespace {

// The progress dialog waits this long before it shows: most runs are done by then.
constexpr int kProgressDelayMilliseconds = 500;

bool holdsFile(const Card& card, const QString& cardMount) {
    return !cardMount.isEmpty() && QDir::cleanPath(card.mountPoint) == cardMount;
}

} // namespace

// Offered while a file is open and some camera other than the open file's
// is connected: one to copy to, at least.
void MyAppDelegate::enableApplyToCameras() {
    const QList<Card> cameras = cameraMonitor_ ? cameraMonitor_->cameras() : QList<Card>();
    const QString openMount = document_->cardGone() ? QString() : document_->cardMount();
    const bool another = std::any_of(cameras.begin(), cameras.end(),
                                     [&](const Card& card) { return !holdsFile(card, openMount); });
    findInWindow<QAction>(window, "actionApplyToCameras")
        ->setEnabled(document_->hasFile() && another);
}

void MyAppDelegate::applyToCameras() {
    if (!document_->hasFile() || cameraMonitor_ == nullptr)
        return;
    form_->commitPendingEdits();
    const QString openMount = document_->cardGone() ? QString() : document_->cardMount();
    auto* choice = new CameraChoiceDialog(cameraMonitor_->cameras(), openMount, window);
    choice->setAttribute(Qt::WA_DeleteOnClose);
    connect(choice, &QDialog::accepted, this, [this, choice] { copyToCameras(choice->chosen()); });
    choice->open();
}

void MyAppDelegate::copyToCameras(QList<Card> chosen) {
    const int total = static_cast<int>(chosen.size());
    auto* progress = new QProgressDialog(
        QCoreApplication::translate("MyAppDelegate", "Applying the settings…"),
        QCoreApplication::translate("MyAppDelegate", "Cancel"), 0, total, window);
    progress->setObjectName(QStringLiteral("copyProgress"));
    progress->setWindowTitle(
        QCoreApplication::translate("MyAppDelegate", "Apply to Connected Cameras"));
    progress->setWindowModality(Qt::WindowModal);
    progress->setAutoClose(false);
    progress->setAutoReset(false);
    progress->setMinimumDuration(kProgressDelayMilliseconds);

    // The open file's camera is saved by the document, which checks that the
    // file is still the one it read; the others are copied to beside it.
    QList<CameraCopyLine> first;
    const QString openMount = document_->cardGone() ? QString() : document_->cardMount();
    const auto open = std::find_if(chosen.begin(), chosen.end(),
                                   [&](const Card& card) { return holdsFile(card, openMount); });
    if (open != chosen.end()) {
        progress->setLabelText(
            QCoreApplication::translate("MyAppDelegate", "Saving %1…").arg(open->name));
        first.append(saveOpenCamera(*open));
        chosen.erase(open);
    }
    const KaveloConfigParser& shown = document_->config();
    auto* run =
        new CameraCopyRun(chosen, shown.settings(), shown.getCameraValue(kDateTime) != 0, this);
    connect(progress, &QProgressDialog::canceled, run, &CameraCopyRun::cancel);
    connect(run, &CameraCopyRun::progressed, progress,
            [progress, offset = first.size()](int done, const QString& name) {
                progress->setLabelText(
                    QCoreApplication::translate("MyAppDelegate", "Saving %1…").arg(name));
                progress->setValue(static_cast<int>(offset) + done);
            });
    connect(run, &CameraCopyRun::finished, this, [this, run, progress, first] {
        progress->close();
        progress->deleteLater();
        run->deleteLater();
        showCopyResults(first + run->lines());
    });
    if (progress->wasCanceled())
        run->cancel();
    run->start();
}

CameraCopyLine MyAppDelegate::saveOpenCamera(const Card& card) {
    const QString path = document_->path();
    const ConfigDocument::Save attempt = document_->save();
    const auto notSaved = [&](const QString& why) {
        return CameraCopyLine{CameraCopyLine::notSaved, card,
                              QCoreApplication::translate("MyAppDelegate", "not saved: ") + why};
    };
    switch (attempt.result) {
    case ConfigDocument::Save::saved: {
        showTitle();
        const SettingValues values = document_->config().settings();
        const std::optional<bool> checked = waitBeside<bool>(
            [file = path.toStdString(), values] { return readsBackAs(file, values); },
            kCardWaitLimit);
        if (checked.value_or(false))
            return {CameraCopyLine::savedAndChecked, card,
                    QCoreApplication::translate("MyAppDelegate", "saved and checked")};
        return {CameraCopyLine::notSaved, card,
                QCoreApplication::translate(
                    "MyAppDelegate", "not checked: the file read back holds other settings")};
    }
    case ConfigDocument::Save::changed:
        return notSaved(QCoreApplication::translate(
            "MyAppDelegate", "another program changed its file since it was opened; "
                             "Save asks what to do"));
    case ConfigDocument::Save::deleted:
        return notSaved(QCoreApplication::translate(
            "MyAppDelegate", "its file was deleted since it was opened; Save asks "
                             "what to do"));
    case ConfigDocument::Save::otherCamera:
        return notSaved(
            QCoreApplication::translate("MyAppDelegate", "another camera's file is there now"));
    case ConfigDocument::Save::busy:
        return notSaved(
            QCoreApplication::translate("MyAppDelegate", "another program is using its file"));
    case ConfigDocument::Save::notAnswering:
        return notSaved(QCoreApplication::translate(
            "MyAppDelegate", "the card is not answering; what it holds now is unknown"));
    case ConfigDocument::Save::failed:
        break;
    }
    return notSaved(saveFailureReason(document_->config().lastWriteError()));
}

void MyAppDelegate::showCopyResults(const QList<CameraCopyLine>& lines) {
    showStatus(copySummary(lines));
    auto* results = new CopyResultsDialog(lines, cameraMonitor_->canMountAndEject(), window);
    results->setAttribute(Qt::WA_DeleteOnClose);
    connect(results, &CopyResultsDialog::ejectAll, this, &MyAppDelegate::ejectCameras);
    results->open();
}

void MyAppDelegate::ejectCameras(const QList<Card>& cards) {
    // The open file's card going is then expected, as after Eject.
    for (const Card& card : cards) {
        if (holdsFile(card, document_->cardMount()))
            ejectedMount_ = document_->cardMount();
        cameraMonitor_->eject(card);
    }
}
