#include "OpenPanel.h"

#include "MediaFolders.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QtGlobal>

#include <utility>

namespace {

OpenPanelAnswerer& installedAnswerer() {
    static OpenPanelAnswerer answerer;
    return answerer;
}

std::optional<QString> runFileDialog(QWidget* parent, const OpenPanelRequest& request) {
    // A static dialog uses the desktop's own file chooser where there is one.
    const QString path =
        QFileDialog::getOpenFileName(parent, QFileDialog::tr("Open camera configuration"),
                                     request.startDirectory, request.nameFilter);
    return path; // empty when cancelled
}

} // namespace

QString openPanelNameFilter() {
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    // The native choosers of these systems compare extensions without case
    // and do not understand bracket patterns.
    return QCoreApplication::translate("OpenPanel", "Text files (*.txt)");
#else
    // Desktop choosers on other systems match patterns with case.
    return QCoreApplication::translate("OpenPanel", "Text files (*.[tT][xX][tT])");
#endif
}

std::optional<QString> runOpenPanel(QWidget* parent, const QString& folder) {
    const OpenPanelRequest request{
        folder.isEmpty() ? firstExistingDirectory(removableMediaCandidates(loginName())) : folder,
        openPanelNameFilter()};
    const OpenPanelAnswerer answerer = installedAnswerer();
    const std::optional<QString> chosen =
        answerer ? answerer(request) : runFileDialog(parent, request);
    if (!chosen || chosen->isEmpty())
        return std::nullopt;
    return chosen;
}

ScopedOpenPanelAnswerer::ScopedOpenPanelAnswerer(OpenPanelAnswerer answerer)
    : ScopedSeam(installedAnswerer(), std::move(answerer)) {}
