// The window in the user's language: its own texts (compiled into the program
// under :/i18n) and Qt's (the standard dialogs and buttons, from Qt's
// translations folder), in the first of the desktop's languages that has
// them. English, the texts as written, where none has.
#pragma once

#include <QLocale>

// Installs the translations for `locale`'s languages (QLocale::uiLanguages),
// replacing any installed before. Call before the window is built.
void useLanguagesOf(const QLocale& locale = QLocale());
