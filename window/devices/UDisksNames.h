// The names by which the desktop's storage service (UDisks2) is reached on
// the system bus: its service, the root of its objects, and its interfaces.
#pragma once

#include <QString>

namespace udisks {

inline const QString kService = QStringLiteral("org.freedesktop.UDisks2");
inline const QString kRoot = QStringLiteral("/org/freedesktop/UDisks2");
inline const QString kObjectManager = QStringLiteral("org.freedesktop.DBus.ObjectManager");
inline const QString kProperties = QStringLiteral("org.freedesktop.DBus.Properties");
inline const QString kBlock = QStringLiteral("org.freedesktop.UDisks2.Block");
inline const QString kFilesystem = QStringLiteral("org.freedesktop.UDisks2.Filesystem");
inline const QString kDrive = QStringLiteral("org.freedesktop.UDisks2.Drive");

} // namespace udisks
