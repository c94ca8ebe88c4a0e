#include "SavePanel.h"

#include "OpenPanel.h"

#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

#include <utility>

namespace {

SavePanelAnswerer& installedAnswerer() {
    static SavePanelAnswerer answerer;
    return answerer;
}

} // namespace

std::optional<QString> runSavePanel(QWidget* parent) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    const SavePanelRequest request{QDir(folder).filePath(QStringLiteral("CONFIG.TXT")),
                                   openPanelNameFilter()};
    const SavePanelAnswerer answerer = installedAnswerer();
    const QString chosen =
        answerer
            ? answerer(request).value_or(QString())
            : QFileDialog::getSaveFileName(parent, QFileDialog::tr("Save a copy of the settings"),
                                           request.startPath, request.nameFilter);
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen;
}

ScopedSavePanelAnswerer::ScopedSavePanelAnswerer(SavePanelAnswerer answerer)
    : ScopedSeam(installedAnswerer(), std::move(answerer)) {}
