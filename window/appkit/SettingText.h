// A text of the settings table (captions, choices and descriptions, marked
// SHOWN_TEXT("Settings", ...) where they are declared) in the user's
// language; English where there is no translation.
#pragma once

#include <QCoreApplication>
#include <QString>

inline QString settingText(const char* text) {
    return QCoreApplication::translate("Settings", text);
}
