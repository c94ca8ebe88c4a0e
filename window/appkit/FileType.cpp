#include "FileType.h"

#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QMimeType>

namespace {

// The type database guesses from the name alone when it cannot read the
// content, so a regular file counts as examined only if it opens. Other
// kinds of file (directories, devices, pipes) are typed without being opened:
// opening a pipe would wait for a writer.
bool canBeExamined(const QFileInfo& info) {
    if (!info.exists())
        return false;
    if (!info.isFile())
        return true;
    QFile file(info.absoluteFilePath());
    return file.open(QIODevice::ReadOnly);
}

} // namespace

FileType typeOfFile(const QString& path) {
    const QFileInfo info(path);
    if (path.isEmpty() || !canBeExamined(info))
        return FileType::None;
    const QMimeType type = QMimeDatabase().mimeTypeForFile(info);
    if (!type.isValid())
        return FileType::None;
    return type.inherits(QStringLiteral("text/plain")) ? FileType::PlainText : FileType::Other;
}
