// One step of the undo history: the settings before and after a user's
// action, with what the action changed as its name ("Lens", "Set defaults").
#pragma once

#include "SettingValues.h"

#include <QUndoCommand>

#include <functional>

class SettingsChange : public QUndoCommand {
  public:
    using Apply = std::function<void(const SettingValues&)>;

    // The action has already been done when the step is pushed: its first
    // redo does nothing.
    SettingsChange(const QString& text, const SettingValues& before, const SettingValues& after,
                   Apply apply);

    void undo() override;
    void redo() override;

  private:
    SettingValues before_;
    SettingValues after_;
    Apply apply_;
    bool done_ = true;
};
