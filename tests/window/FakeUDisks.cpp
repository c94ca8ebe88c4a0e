#include "FakeUDisks.h"

#include "UDisksNames.h"

#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>

namespace {

using namespace udisks;

using Interfaces = QMap<QString, QVariantMap>;
using ManagedObjects = QMap<QDBusObjectPath, Interfaces>;

QByteArray withNul(const QString& path) {
    QByteArray bytes = path.toLocal8Bit();
    bytes.append('\0');
    return bytes;
}

QVariant mountPointsOf(const QString& mountPoint) {
    QList<QByteArray> points;
    if (!mountPoint.isEmpty())
        points << withNul(mountPoint);
    return QVariant::fromValue(points);
}

} // namespace

FakeUDisks::FakeUDisks(const QString& address, const QList<Volume>& present)
    : connection_(QDBusConnection::connectToBus(address, QStringLiteral("fake-udisks"))) {
    qDBusRegisterMetaType<QList<QByteArray>>();
    qDBusRegisterMetaType<Interfaces>();
    qDBusRegisterMetaType<ManagedObjects>();
    for (const Volume& volume : present)
        add(volume);
    ok_ = connection_.isConnected() &&
          connection_.registerVirtualObject(kRoot, this, QDBusConnection::SubPath) &&
          connection_.registerService(kService);
}

FakeUDisks::~FakeUDisks() {
    connection_.unregisterService(kService);
    connection_.unregisterObject(kRoot, QDBusConnection::UnregisterTree);
    QDBusConnection::disconnectFromBus(QStringLiteral("fake-udisks"));
}

// A block device without a drive names "/" as its drive, as the service's do.
QString FakeUDisks::add(const Volume& volume) {
    const int n = next_++;
    const QString fileSystem = kRoot + QStringLiteral("/block_devices/sdc%1").arg(n);
    const QString drive =
        volume.hasDrive ? kRoot + QStringLiteral("/drives/Camera_%1").arg(n) : QStringLiteral("/");
    objects_.insert(fileSystem, Object{drive, volume});
    return fileSystem;
}

QString FakeUDisks::plugIn(const Volume& volume) {
    const QString fileSystem = add(volume);
    const Object& object = objects_[fileSystem];
    if (volume.hasDrive) {
        QDBusMessage drive =
            QDBusMessage::createSignal(kRoot, kObjectManager, QStringLiteral("InterfacesAdded"));
        drive << QVariant::fromValue(QDBusObjectPath(object.drive))
              << QVariant::fromValue(Interfaces{{kDrive, driveProperties(object)}});
        connection_.send(drive);
    }
    QDBusMessage block =
        QDBusMessage::createSignal(kRoot, kObjectManager, QStringLiteral("InterfacesAdded"));
    block << QVariant::fromValue(QDBusObjectPath(fileSystem))
          << QVariant::fromValue(interfacesOf(fileSystem));
    connection_.send(block);
    return fileSystem;
}

void FakeUDisks::setUnmountError(const QString& fileSystem, const QString& error) {
    objects_[fileSystem].volume.unmountError = error;
}

void FakeUDisks::pullOut(const QString& fileSystem) {
    const Object object = objects_.take(fileSystem);
    for (const auto& [path, interfaces] : {std::pair{fileSystem, QStringList{kBlock, kFilesystem}},
                                           std::pair{object.drive, QStringList{kDrive}}}) {
        if (interfaces.contains(kDrive) && !object.volume.hasDrive)
            continue;
        QDBusMessage removed =
            QDBusMessage::createSignal(kRoot, kObjectManager, QStringLiteral("InterfacesRemoved"));
        removed << QVariant::fromValue(QDBusObjectPath(path)) << interfaces;
        connection_.send(removed);
    }
}

QMap<QString, QVariantMap> FakeUDisks::interfacesOf(const QString& fileSystem) const {
    const Object& object = objects_[fileSystem];
    const QVariantMap block{
        {QStringLiteral("IdLabel"), object.volume.label},
        {QStringLiteral("Drive"), QVariant::fromValue(QDBusObjectPath(object.drive))},
        {QStringLiteral("HintIgnore"), false},
        {QStringLiteral("PreferredDevice"), withNul(QStringLiteral("/dev/sdc"))},
    };
    const QVariantMap filesystem{
        {QStringLiteral("MountPoints"), mountPointsOf(object.volume.mountPoint)}};
    return {{kBlock, block}, {kFilesystem, filesystem}};
}

QVariantMap FakeUDisks::driveProperties(const Object& object) const {
    return {{QStringLiteral("Removable"), object.volume.removable},
            {QStringLiteral("MediaRemovable"), object.volume.removable},
            {QStringLiteral("Ejectable"), object.volume.removable},
            {QStringLiteral("CanPowerOff"), object.volume.canPowerOff}};
}

void FakeUDisks::mountPointsChanged(const QString& fileSystem) {
    QDBusMessage changed =
        QDBusMessage::createSignal(fileSystem, kProperties, QStringLiteral("PropertiesChanged"));
    changed << kFilesystem
            << QVariantMap{{QStringLiteral("MountPoints"),
                            mountPointsOf(objects_[fileSystem].volume.mountPoint)}}
            << QStringList();
    connection_.send(changed);
}

QString FakeUDisks::introspect(const QString&) const {
    return QString();
}

bool FakeUDisks::handleMessage(const QDBusMessage& message, const QDBusConnection& connection) {
    const QString path = message.path();
    const QString call = message.interface() + QLatin1Char('.') + message.member();
    if (call == kObjectManager + QStringLiteral(".GetManagedObjects")) {
        ManagedObjects all;
        for (auto each = objects_.cbegin(); each != objects_.cend(); ++each) {
            all.insert(QDBusObjectPath(each.key()), interfacesOf(each.key()));
            if (each.value().volume.hasDrive)
                all.insert(QDBusObjectPath(each.value().drive),
                           Interfaces{{kDrive, driveProperties(each.value())}});
        }
        connection.send(message.createReply(QVariant::fromValue(all)));
        return true;
    }
    if (call == kFilesystem + QStringLiteral(".Mount") && objects_.contains(path)) {
        calls_ << QStringLiteral("Mount ") + path;
        Volume& volume = objects_[path].volume;
        if (!volume.mountError.isEmpty()) {
            connection.send(message.createErrorReply(volume.mountError, QStringLiteral("no")));
            return true;
        }
        volume.mountPoint = volume.mountsAt;
        mountPointsChanged(path);
        connection.send(message.createReply(volume.mountPoint));
        return true;
    }
    if (call == kFilesystem + QStringLiteral(".Unmount") && objects_.contains(path)) {
        calls_ << QStringLiteral("Unmount ") + path;
        Volume& volume = objects_[path].volume;
        if (!volume.unmountError.isEmpty()) {
            connection.send(message.createErrorReply(volume.unmountError, QStringLiteral("busy")));
            return true;
        }
        volume.mountPoint.clear();
        mountPointsChanged(path);
        connection.send(message.createReply());
        return true;
    }
    if (call == kDrive + QStringLiteral(".PowerOff")) {
        for (auto each = objects_.cbegin(); each != objects_.cend(); ++each) {
            if (each.value().drive != path)
                continue;
            calls_ << QStringLiteral("PowerOff ") + path;
            connection.send(message.createReply());
            pullOut(each.key());
            return true;
        }
    }
    return false;
}
