// The window's title: which file Save writes, and where it is.
#pragma once

#include <QString>

// The volume a file is on, by its label ("KAVELO_CAM"), where it is on a
// volume of its own; otherwise the name of the folder that holds it.
QString volumeOrFolderOf(const QString& path);

// "CONFIG.TXT[*] — KAVELO_CAM — Kavelo Manager", with the platform's place
// for the modified marker and the volume named as given (a card's label, or
// that a card was removed: "KAVELO_CAM (removed)"); just the program's name
// before any file (an empty path).
QString windowTitleFor(const QString& path, const QString& volume);
