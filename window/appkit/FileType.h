// What kind of file a path names, for the desktop's requests to open a file
// with the program: only plain text can be a camera configuration.
#pragma once

#include <QString>

enum class FileType {
    None,      // the file cannot be examined: missing, unreadable
    PlainText, // its content type is, or derives from, text/plain
    Other,
};

FileType typeOfFile(const QString& path);
