#include "NotificationCenter.h"

#include <algorithm>
#include <utility>

NotificationCenter& NotificationCenter::defaultCenter() {
    static NotificationCenter center;
    return center;
}

NotificationCenter::ObserverId NotificationCenter::addObserver(const QString& name,
                                                               Handler handler) {
    return add(name, nullptr, std::move(handler));
}

NotificationCenter::ObserverId NotificationCenter::addObserver(const QString& name, QObject* owner,
                                                               Handler handler) {
    return add(name, owner, std::move(handler));
}

NotificationCenter::ObserverId NotificationCenter::add(const QString& name, QObject* owner,
                                                       Handler handler) {
    if (!handler)
        return 0;
    pruneDestroyedOwners();
    const ObserverId id = nextId_++;
    observers_.push_back(Observer{id, name, owner != nullptr, QPointer<QObject>(owner),
                                  std::make_shared<const Handler>(std::move(handler))});
    return id;
}

void NotificationCenter::removeObserver(ObserverId id) {
    observers_.erase(std::remove_if(observers_.begin(), observers_.end(),
                                    [id](const Observer& o) { return o.id == id; }),
                     observers_.end());
}

void NotificationCenter::removeObserver(QObject* owner) {
    if (owner == nullptr)
        return;
    observers_.erase(std::remove_if(observers_.begin(), observers_.end(),
                                    [owner](const Observer& o) {
                                        return o.hasOwner && o.owner.data() == owner;
                                    }),
                     observers_.end());
}

void NotificationCenter::postNotification(const QString& name, QObject* sender,
                                          const QVariantMap& userInfo) {
    const Notification notification{name, sender, userInfo};
    pruneDestroyedOwners();

    // Observers may add or remove registrations, or post again, while they run
    // (an observer can run a modal dialog). Deliver to those registered when
    // the post began, skipping any that are gone by the time their turn comes.
    std::vector<ObserverId> recipients;
    for (const Observer& o : observers_) {
        if (o.name == name)
            recipients.push_back(o.id);
    }
    for (ObserverId id : recipients) {
        const Observer* observer = find(id);
        if (observer == nullptr || !observer->alive())
            continue;
        const std::shared_ptr<const Handler> handler = observer->handler;
        (*handler)(notification);
    }
}

void NotificationCenter::pruneDestroyedOwners() {
    observers_.erase(std::remove_if(observers_.begin(), observers_.end(),
                                    [](const Observer& o) { return !o.alive(); }),
                     observers_.end());
}

const NotificationCenter::Observer* NotificationCenter::find(ObserverId id) const {
    for (const Observer& o : observers_) {
        if (o.id == id)
            return &o;
    }
    return nullptr;
}
