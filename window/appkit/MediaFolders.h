// Where desktops mount removable media: the folders in which a camera's card
// appears, named after the user's login.
#pragma once

#include <QString>
#include <QStringList>

// The places where desktops mount removable media for `user`, in the order in
// which they are tried.
QStringList removableMediaCandidates(const QString& user);
// The user's login name, as the desktop's media folders are named by it.
QString loginName();

// The first of `candidates` that is an existing directory, or empty.
QString firstExistingDirectory(const QStringList& candidates);
