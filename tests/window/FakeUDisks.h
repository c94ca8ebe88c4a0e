// A stand-in for the desktop's storage service (UDisks2) on the tests' own
// bus: removable drives with file systems, mounted on scratch folders or not,
// the service's signals when they come and go, and a record of the Mount,
// Unmount and PowerOff calls it is sent. It answers on its own connection,
// so the program talks to it as to the real service.
#pragma once

#include <QDBusConnection>
#include <QDBusVirtualObject>
#include <QMap>
#include <QStringList>
#include <QVariantMap>

class FakeUDisks : public QDBusVirtualObject {
  public:
    struct Volume {
        QString label;
        QString mountPoint;   // empty: plugged in but not mounted
        QString mountsAt;     // where Mount puts it
        QString unmountError; // a D-Bus error name Unmount answers with, or empty
        QString mountError;   // and Mount
        bool canPowerOff = true;
        bool removable = true;
        bool hasDrive = true; // false: a disk image on a loop device
    };

    // Connects to the bus at `address` with the volumes that are there when
    // the service starts, which it announces no more than the real one does,
    // and takes the service's name. `ok()` tells whether that worked.
    explicit FakeUDisks(const QString& address, const QList<Volume>& present = {});
    ~FakeUDisks() override;
    bool ok() const { return ok_; }

    // Plugs a drive with one file system in; answers the file system's
    // object path. Announced with InterfacesAdded.
    QString plugIn(const Volume& volume);
    // Makes Unmount answer with `error`, or succeed where it is empty.
    void setUnmountError(const QString& fileSystem, const QString& error);
    // Pulls it out: InterfacesRemoved for the file system and its drive.
    void pullOut(const QString& fileSystem);

    // "Mount /org/.../block_devices/sdb1", in the order the calls came.
    QStringList calls() const { return calls_; }

    QString introspect(const QString& path) const override;
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override;

  private:
    struct Object {
        QString drive;
        Volume volume;
    };
    QString add(const Volume& volume);
    QMap<QString, QVariantMap> interfacesOf(const QString& fileSystem) const;
    QVariantMap driveProperties(const Object& object) const;
    void mountPointsChanged(const QString& fileSystem);

    QDBusConnection connection_;
    bool ok_ = false;
    QMap<QString, Object> objects_; // file system path -> what it is
    QStringList calls_;
    int next_ = 0;
};
