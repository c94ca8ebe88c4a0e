#include "SettingsHistory.h"

#include <utility>

SettingsChange::SettingsChange(const QString& text, const SettingValues& before,
                               const SettingValues& after, Apply apply, int mergeKey)
    : QUndoCommand(text), before_(before), after_(after), apply_(std::move(apply)),
      mergeKey_(mergeKey) {}

bool SettingsChange::mergeWith(const QUndoCommand* other) {
    const auto* next = static_cast<const SettingsChange*>(other);
    if (next->mergeKey_ != mergeKey_)
        return false;
    after_ = next->after_;
    return true;
}

void SettingsChange::undo() {
    apply_(before_);
    done_ = false;
}

void SettingsChange::redo() {
    if (!done_)
        apply_(after_);
    done_ = true;
}
