// The cameras as the desktop's storage service (UDisks2, on the system bus)
// sees them: every mounted file system that holds a camera's file (a card, or
// a disk image without a drive), and the file systems of removable drives
// that are not mounted, with their labels and mount points. They are followed
// through the service's signals (objects added and removed, properties
// changed) and through the owner of its name: when the service stops, the
// cards it listed go, and when it starts again (an upgrade restarts it), its
// objects are read again. It mounts, unmounts and powers off through the
// service. Every call is asynchronous, so that the window never waits for a
// card.
#pragma once

#include "CameraMonitor.h"

#include <QDBusConnection>
#include <QMap>
#include <QVariantMap>

class QDBusMessage;
class QDBusPendingCallWatcher;

class UDisksMonitor : public CameraMonitor {
    Q_OBJECT

  public:
    // Whether the storage service is on `bus`, running or ready to start.
    static bool isAvailable(const QDBusConnection& bus);

    explicit UDisksMonitor(const QDBusConnection& bus, QObject* parent = nullptr);

    QList<Card> cameras() const override { return cameras_; }
    QList<Card> unmountedCards() const override { return unmounted_; }
    QList<Card> notAnswering() const override { return notAnswering_; }
    bool canMountAndEject() const override { return true; }
    void mount(const Card& card) override;
    void eject(const Card& card) override;

  private slots:
    void interfacesAdded(const QDBusMessage& message);
    void interfacesRemoved(const QDBusMessage& message);
    void propertiesChanged(const QDBusMessage& message);

  private:
    static constexpr int kLookAgainMilliseconds = 3000;
    using Interfaces = QMap<QString, QVariantMap>; // interface -> property -> value
    void readObjects();
    void loadObjects(QDBusPendingCallWatcher* watcher, int reading);
    void ownerChanged(const QString& oldOwner, const QString& newOwner);
    void rebuild();
    void callOn(const QString& path, const QString& interface, const QString& method,
                std::function<void(const QDBusMessage&)> done);
    void powerOff(const Card& card);

    QDBusConnection bus_;
    QMap<QString, Interfaces> objects_; // object path -> its interfaces
    int looking_ = 0;                   // the latest look into the mounted cards
    int reading_ = 0; // the latest reading of the objects; an older answer is stale
    QList<Card> cameras_;
    QList<Card> unmounted_;
    QList<Card> notAnswering_;
};
