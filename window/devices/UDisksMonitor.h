// The cameras as the desktop's storage service (UDisks2, on the system bus)
// sees them: the file systems of removable drives, their labels and mount
// points, followed through the service's signals (objects added and removed,
// properties changed). It mounts, unmounts and powers off through the
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
    bool canMountAndEject() const override { return true; }
    void mount(const Card& card) override;
    void eject(const Card& card) override;

  private slots:
    void interfacesAdded(const QDBusMessage& message);
    void interfacesRemoved(const QDBusMessage& message);
    void propertiesChanged(const QDBusMessage& message);

  private:
    using Interfaces = QMap<QString, QVariantMap>; // interface -> property -> value
    void loadObjects(QDBusPendingCallWatcher* watcher);
    void rebuild();
    void callOn(const QString& path, const QString& interface, const QString& method,
                std::function<void(const QDBusMessage&)> done);
    void powerOff(const Card& card);

    QDBusConnection bus_;
    QMap<QString, Interfaces> objects_; // object path -> its interfaces
    QList<Card> cameras_;
    QList<Card> unmounted_;
};
