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
    // redo does nothing. Steps with the same `mergeKey` (0 or more) in a row
    // are one step: the positions a slider passes through in one drag.
    SettingsChange(const QString& text, const SettingValues& before, const SettingValues& after,
                   Apply apply, int mergeKey = -1);

    void undo() override;
    void redo() override;
    int id() const override { return mergeKey_ >= 0 ? 1 : -1; }
    bool mergeWith(const QUndoCommand* other) override;

  private:
    SettingValues before_;
    SettingValues after_;
    Apply apply_;
    int mergeKey_;
    bool done_ = true;
};
