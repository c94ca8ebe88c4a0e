#include "SettingsHistory.h"

#include <utility>

SettingsChange::SettingsChange(const QString& text, const SettingValues& before,
                               const SettingValues& after, Apply apply)
    : QUndoCommand(text), before_(before), after_(after), apply_(std::move(apply)) {}

void SettingsChange::undo() {
    apply_(before_);
    done_ = false;
}

void SettingsChange::redo() {
    if (!done_)
        apply_(after_);
    done_ = true;
}
