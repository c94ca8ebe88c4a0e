// A small in-process notification centre: a poster names a notification and
// hands over a sender and a map of user information; every observer that
// registered for that name, from any sender, is called synchronously, in the
// order of registration, before the post returns. Main thread only.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariantMap>

#include <functional>
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

    NotificationCenter() = default;
    NotificationCenter(const NotificationCenter&) = delete;
    NotificationCenter& operator=(const NotificationCenter&) = delete;

    // The process's centre, alive for the whole run.
    static NotificationCenter& defaultCenter();

    // An observer tied to `owner`: it is no longer called once `owner` is
    // destroyed, so an owner need not unregister before it dies.
    void addObserver(const QString& name, QObject* owner, Handler handler);

    // `method` of `observer`, called with the notification while `observer` lives.
    template <class T>
    void addObserver(const QString& name, T* observer, void (T::*method)(const Notification&)) {
        static_assert(std::is_base_of_v<QObject, T>, "observers are QObjects");
        addObserver(name, observer,
                    [observer, method](const Notification& n) { (observer->*method)(n); });
    }

    void postNotification(const QString& name, QObject* sender,
                          const QVariantMap& userInfo = QVariantMap());

  private:
    struct Observer {
        QString name;
        QPointer<QObject> owner;
        Handler handler;
    };
    std::vector<Observer> observers_;
};
