// A small in-process notification centre: a poster names a notification and
// hands over a sender and a map of user information; every observer that
// registered for that name, from any sender, is called synchronously, in the
// order of registration, before the post returns. Main thread only.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariantMap>

#include <cstdint>
#include <functional>
#include <memory>
#include <type_traits>
#include <vector>

struct Notification {
    QString name;
    QObject* sender = nullptr;
    QVariantMap userInfo;
};

class NotificationCenter {
  public:
    using Handler = std::function<void(const Notification&)>;
    using ObserverId = std::uint64_t; // 0 is never handed out

    NotificationCenter() = default;
    NotificationCenter(const NotificationCenter&) = delete;
    NotificationCenter& operator=(const NotificationCenter&) = delete;

    // The process's centre, alive for the whole run.
    static NotificationCenter& defaultCenter();

    // An observer without an owner; it stays until removed by its id.
    ObserverId addObserver(const QString& name, Handler handler);

    // An observer tied to `owner`: it is no longer called once `owner` is
    // destroyed, so an owner need not unregister before it dies.
    ObserverId addObserver(const QString& name, QObject* owner, Handler handler);

    // `method` of `observer`, called with the notification while `observer` lives.
    template <class T>
    ObserverId addObserver(const QString& name, T* observer,
                           void (T::*method)(const Notification&)) {
        static_assert(std::is_base_of_v<QObject, T>, "observers are QObjects");
        return addObserver(name, observer,
                           [observer, method](const Notification& n) { (observer->*method)(n); });
    }

    void removeObserver(ObserverId id);
    void removeObserver(QObject* owner); // every registration of `owner`

    void postNotification(const QString& name, QObject* sender,
                          const QVariantMap& userInfo = QVariantMap());

  private:
    struct Observer {
        ObserverId id;
        QString name;
        bool hasOwner;
        QPointer<QObject> owner;
        // Shared so that an observer removed while it runs keeps its function alive.
        std::shared_ptr<const Handler> handler;
        bool alive() const { return !hasOwner || !owner.isNull(); }
    };

    ObserverId add(const QString& name, QObject* owner, Handler handler);
    void pruneDestroyedOwners();
    const Observer* find(ObserverId id) const;

    std::vector<Observer> observers_;
    ObserverId nextId_ = 1;
};
