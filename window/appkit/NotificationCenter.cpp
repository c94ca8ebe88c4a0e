#include "NotificationCenter.h"

#include <algorithm>
#include <utility>

NotificationCenter& NotificationCenter::defaultCenter() {
    static NotificationCenter center;
    return center;
}

void NotificationCenter::addObserver(const QString& name, QObject* owner, Handler handler) {
    if (owner == nullptr || !handler)
        return;
    observers_.push_back(Observer{name, QPointer<QObject>(owner), std::move(handler)});
}

void NotificationCenter::postNotification(const QString& name, QObject* sender,
                                          const QVariantMap& userInfo) {
    const Notification notification{name, sender, userInfo};
    observers_.erase(std::remove_if(observers_.begin(), observers_.end(),
                                    [](const Observer& o) { return o.owner.isNull(); }),
                     observers_.end());
    // Observers may register more observers or post again while they run (an
    // observer can run a modal dialog): deliver, from copies, to those that
    // were registered when the post began and whose owners still live.
    const std::vector<Observer> recipients = observers_;
    for (const Observer& observer : recipients) {
        if (observer.name == name && !observer.owner.isNull())
            observer.handler(notification);
    }
}
