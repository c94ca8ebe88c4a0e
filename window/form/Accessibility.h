// What the window's controls tell assistive tools beyond what Qt's own
// accessibility interfaces say: a radio group is a named grouping, a
// slider's value and description name its choice, and the tab bar marks its
// current tab as selected.
#pragma once

#include <QStringList>

class QSlider;
class QWidget;

// Installs the interfaces; once per process, before the window is shown.
void installAccessibility();

// The container of a radio group: a grouping named by its accessible name.
void markAsRadioGroup(QWidget* container);

// The texts of a slider's positions from its minimum up: its accessible
// value text, and the start of its accessible description, which is
// announced anew whenever the slider's value changes. A slider without them
// tells its position as a number.
void setPositionTexts(QSlider* slider, const QStringList& texts);
