// The save panel: the user names a file to write a copy of the settings to.
// It starts in the user's documents folder with the name the camera uses, and
// the desktop's chooser asks before replacing a file. Tests install an
// answerer that plays the user.
#pragma once

#include "ScopedSeam.h"

#include <QString>

#include <functional>
#include <optional>

class QWidget;

struct SavePanelRequest {
    QString startPath; // the folder and the proposed name
    QString nameFilter;
};

// The chosen path, or nothing when the user cancelled.
std::optional<QString> runSavePanel(QWidget* parent = nullptr);

using SavePanelAnswerer = std::function<std::optional<QString>(const SavePanelRequest& request)>;

class ScopedSavePanelAnswerer : public ScopedSeam<SavePanelAnswerer> {
  public:
    explicit ScopedSavePanelAnswerer(SavePanelAnswerer answerer);
};
