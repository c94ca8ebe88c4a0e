// Keyboard mnemonics (Alt+letter) for every push button, tab and caption of
// the window, assigned as a desktop's accelerator manager would: within what
// is on screen at once (the menus, the buttons and the tabs, and each tab
// page), each text gets a letter of its own where one is left, preferring the
// first letters of its words; otherwise one that only its page uses, which Qt
// then cycles through.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// "&Video modes" is read "Video modes"; "&&" stands for one "&".
QString withoutMnemonic(const QString& text);

// `text` with "&" before the letter chosen, given the letters taken so far
// (lower case): one not taken, else one not `reserved`, else its first; adds
// the letter to `taken`. A text that has one keeps it.
QString withMnemonic(const QString& text, QString& taken, const QString& reserved = QString());

// Assigns mnemonics to the window's buttons, tabs and caption labels (a
// label with a buddy): first to what is always on screen, then to each page
// around them. The menu titles keep their own, and so does a text that came
// with one. Called again when buttons come or go outside the tabs (a
// camera's line), it assigns everything anew from the plain texts, so that
// the new buttons' letters are no page's.
void assignMnemonics(QWidget* window);
