#include "MediaFolders.h"

#include <QFileInfo>
#include <QtGlobal>

QString loginName() {
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        user = qEnvironmentVariable("LOGNAME");
    return user;
}

QStringList removableMediaCandidates(const QString& user) {
    QStringList candidates;
    if (!user.isEmpty() && !user.contains(QLatin1Char('/'))) {
        candidates << QStringLiteral("/media/") + user;
        candidates << QStringLiteral("/run/media/") + user;
    }
    candidates << QStringLiteral("/Volumes");
    return candidates;
}

QString firstExistingDirectory(const QStringList& candidates) {
    for (const QString& candidate : candidates) {
        if (QFileInfo(candidate).isDir())
            return candidate;
    }
    return QString();
}
