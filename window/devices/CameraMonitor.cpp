#include "CameraMonitor.h"

#include "MountTableMonitor.h"
#include "UDisksMonitor.h"

#include <QDBusConnection>
#include <QDir>

bool operator==(const Card& a, const Card& b) {
    return a.name == b.name && a.mountPoint == b.mountPoint && a.configPath == b.configPath &&
           a.firmware == b.firmware && a.supported == b.supported && a.fileSystem == b.fileSystem &&
           a.drive == b.drive && a.canPowerOff == b.canPowerOff;
}

CameraMonitor* CameraMonitor::create(QObject* parent) {
    const QDBusConnection bus = QDBusConnection::systemBus();
    if (UDisksMonitor::isAvailable(bus))
        return new UDisksMonitor(bus, parent);
    return new MountTableMonitor(parent);
}

const Card* cardHolding(const QList<Card>& cards, const QString& path) {
    const QString file = QDir::cleanPath(path);
    for (const Card& card : cards) {
        const QString root = QDir::cleanPath(card.mountPoint);
        if (!root.isEmpty() && file.startsWith(root + QLatin1Char('/')))
            return &card;
    }
    return nullptr;
}
