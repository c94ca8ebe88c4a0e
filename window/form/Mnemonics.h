// Keyboard mnemonics (Alt+letter) for every push button, tab and caption of
// the window, assigned as a desktop's accelerator manager would: within what
// is on screen at once (the menus, the buttons and the tabs, and each tab
// page), each text gets a letter of its own where one is left, preferring the
// first letters of its words; otherwise the first letter it has, which Qt
// then cycles through.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// "&Video modes" is read "Video modes"; "&&" stands for one "&".
QString withoutMnemonic(const QString& text);

// `text` with "&" before the letter chosen, given the letters taken so far
// (lower case); adds the letter to `taken`. A text that has one keeps it.
QString withMnemonic(const QString& text, QString& taken);

// Assigns mnemonics to the window's buttons, tabs and caption labels (a
// label with a buddy). The menu titles keep their own.
void assignMnemonics(QWidget* window);
