#include "WindowTitle.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

namespace {

const QString kSeparator = QStringLiteral(" \u2014 ");

QString programName() {
    return QStringLiteral("Kavelo Manager");
}

} // namespace

QString volumeOrFolderOf(const QString& path) {
    const QFileInfo file(path);
    const QStorageInfo volume(file.absolutePath());
    if (volume.isValid() && volume.rootPath() != QDir::rootPath()) {
        const QString name = volume.displayName();
        if (!name.isEmpty())
            return name;
    }
    const QString folder = file.absoluteDir().dirName();
    return folder.isEmpty() ? QDir::rootPath() : folder;
}

QString windowTitleFor(const QString& path, const QString& volume) {
    if (path.isEmpty())
        return programName();
    return QFileInfo(path).fileName() + QStringLiteral("[*]") + kSeparator + volume + kSeparator +
           programName();
}
