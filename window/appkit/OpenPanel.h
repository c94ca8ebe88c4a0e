// The open panel: the user picks one existing configuration file. It starts
// where the desktop mounts removable cards, when there is such a place. Tests
// install an answerer that plays the user.
#pragma once

#include "ScopedSeam.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QWidget;

struct OpenPanelRequest {
    QString startDirectory; // empty: wherever the dialog starts by itself
    QString nameFilter;     // in QFileDialog's "Caption (patterns)" form
};

// The chosen file's path, or nothing when the user cancelled. The panel
// starts in `folder` when one is given (the card of the one camera plugged
// in), else where the desktop mounts cards.
std::optional<QString> runOpenPanel(QWidget* parent = nullptr, const QString& folder = QString());

// The filter that offers only text files, matching "txt" in any letter case:
// the camera writes upper-case names such as "CONFIG.TXT".
QString openPanelNameFilter();

using OpenPanelAnswerer = std::function<std::optional<QString>(const OpenPanelRequest& request)>;

// Installs an answerer for the guard's lifetime; the one before comes back after.
class ScopedOpenPanelAnswerer : public ScopedSeam<OpenPanelAnswerer> {
  public:
    explicit ScopedOpenPanelAnswerer(OpenPanelAnswerer answerer);
};
