#include "UDisksMonitor.h"

#include "BackgroundTask.h"
#include "CameraFiles.h"
#include "UDisksNames.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusReply>
#include <QDBusServiceWatcher>
#include <QFileInfo>
#include <QTimer>

namespace {

using namespace udisks;

using ManagedObjects = QMap<QDBusObjectPath, QMap<QString, QVariantMap>>;

template <class T> T unpacked(const QVariant& value) {
    if (value.canConvert<QDBusArgument>())
        return qdbus_cast<T>(value);
    return value.value<T>();
}

// The storage service keeps paths as bytes ending in a NUL.
QString pathFromBytes(QByteArray bytes) {
    while (bytes.endsWith('\0'))
        bytes.chop(1);
    return QString::fromLocal8Bit(bytes);
}

QString objectPath(const QVariant& value) {
    return unpacked<QDBusObjectPath>(value).path();
}

// Why the service refused, in the status bar's words.
QString reasonOf(const QDBusMessage& reply) {
    const QString name = reply.errorName();
    if (name == QLatin1String("org.freedesktop.UDisks2.Error.DeviceBusy"))
        return QCoreApplication::translate("CameraMonitor",
                                           "it is still in use; close what uses it and try again");
    if (name.startsWith(QLatin1String("org.freedesktop.UDisks2.Error.NotAuthorized")))
        return QCoreApplication::translate("CameraMonitor",
                                           "the desktop's policy does not allow it");
    if (name == QLatin1String("org.freedesktop.UDisks2.Error.NotMounted"))
        return QCoreApplication::translate("CameraMonitor", "it is not mounted");
    if (name == QLatin1String("org.freedesktop.DBus.Error.NoReply"))
        return QCoreApplication::translate("CameraMonitor", "the storage service did not answer");
    return reply.errorMessage().isEmpty() ? name : reply.errorMessage();
}

} // namespace

bool UDisksMonitor::isAvailable(const QDBusConnection& bus) {
    if (!bus.isConnected() || bus.interface() == nullptr)
        return false;
    if (bus.interface()->isServiceRegistered(kService))
        return true;
    const QDBusReply<QStringList> activatable = bus.interface()->activatableServiceNames();
    return activatable.isValid() && activatable.value().contains(kService);
}

UDisksMonitor::UDisksMonitor(const QDBusConnection& bus, QObject* parent)
    : CameraMonitor(parent), bus_(bus) {
    bus_.connect(kService, kRoot, kObjectManager, QStringLiteral("InterfacesAdded"), this,
                 SLOT(interfacesAdded(QDBusMessage)));
    bus_.connect(kService, kRoot, kObjectManager, QStringLiteral("InterfacesRemoved"), this,
                 SLOT(interfacesRemoved(QDBusMessage)));
    bus_.connect(kService, QString(), kProperties, QStringLiteral("PropertiesChanged"), this,
                 SLOT(propertiesChanged(QDBusMessage)));
    // A service that restarts announces none of the objects it starts with:
    // they are read again whenever the name gets an owner.
    auto* owner =
        new QDBusServiceWatcher(kService, bus_, QDBusServiceWatcher::WatchForOwnerChange, this);
    connect(owner, &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this](const QString&, const QString& oldOwner, const QString& newOwner) {
                ownerChanged(oldOwner, newOwner);
            });
    // A camera's file written onto a card already mounted changes no object:
    // the mounted cards are looked into again from time to time.
    auto* again = new QTimer(this);
    again->start(kLookAgainMilliseconds);
    connect(again, &QTimer::timeout, this, [this] { rebuild(); });
    readObjects();
}

void UDisksMonitor::ownerChanged(const QString& oldOwner, const QString& newOwner) {
    if (!oldOwner.isEmpty()) {
        // What the stopped service listed is no longer known; an answer it
        // still owed is of no use either.
        ++reading_;
        objects_.clear();
        rebuild();
    }
    if (!newOwner.isEmpty())
        readObjects();
}

void UDisksMonitor::readObjects() {
    const QDBusMessage call = QDBusMessage::createMethodCall(kService, kRoot, kObjectManager,
                                                             QStringLiteral("GetManagedObjects"));
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, watcher, reading = ++reading_] { loadObjects(watcher, reading); });
}

// The answer is the service's whole state when it was sent; the signals that
// came before it are older, so it replaces what they said.
void UDisksMonitor::loadObjects(QDBusPendingCallWatcher* watcher, int reading) {
    watcher->deleteLater();
    const QDBusMessage reply = watcher->reply();
    if (reading != reading_ || reply.type() != QDBusMessage::ReplyMessage ||
        reply.arguments().isEmpty())
        return;
    objects_.clear();
    const auto all = unpacked<ManagedObjects>(reply.arguments().constFirst());
    for (auto object = all.cbegin(); object != all.cend(); ++object) {
        Interfaces& known = objects_[object.key().path()];
        for (auto each = object.value().cbegin(); each != object.value().cend(); ++each)
            known[each.key()] = each.value();
    }
    rebuild();
}

void UDisksMonitor::interfacesAdded(const QDBusMessage& message) {
    const QList<QVariant> arguments = message.arguments();
    if (arguments.size() < 2)
        return;
    const QString path = objectPath(arguments.at(0));
    const auto added = unpacked<QMap<QString, QVariantMap>>(arguments.at(1));
    for (auto each = added.cbegin(); each != added.cend(); ++each)
        objects_[path][each.key()] = each.value();
    rebuild();
}

void UDisksMonitor::interfacesRemoved(const QDBusMessage& message) {
    const QList<QVariant> arguments = message.arguments();
    if (arguments.size() < 2)
        return;
    const QString path = objectPath(arguments.at(0));
    for (const QString& interface : unpacked<QStringList>(arguments.at(1)))
        objects_[path].remove(interface);
    if (objects_[path].isEmpty())
        objects_.remove(path);
    rebuild();
}

void UDisksMonitor::propertiesChanged(const QDBusMessage& message) {
    const QList<QVariant> arguments = message.arguments();
    if (arguments.size() < 2 || !objects_.contains(message.path()))
        return;
    // Only these say whether a card is there and where; the rest (jobs, loop
    // devices, partitions, a drive's statistics) change often and would
    // send the rebuild to the cards each time.
    const QString interface = arguments.at(0).toString();
    if (interface != kBlock && interface != kFilesystem && interface != kDrive)
        return;
    QVariantMap& properties = objects_[message.path()][interface];
    const auto changedProperties = unpacked<QVariantMap>(arguments.at(1));
    for (auto each = changedProperties.cbegin(); each != changedProperties.cend(); ++each)
        properties[each.key()] = each.value();
    if (arguments.size() > 2) {
        for (const QString& gone : unpacked<QStringList>(arguments.at(2)))
            properties.remove(gone);
    }
    rebuild();
}

// Cameras: every mounted file system that holds a camera's file, as the
// command line's `cameras` finds them in the mount table, whatever it sits
// on (a card reader, a camera's own drive, a disk image on a loop device);
// only a drive can be powered off. Cards not mounted: the file systems of
// removable drives that the service does not hide.
void UDisksMonitor::rebuild() {
    QList<Card> mounted, unmounted;
    for (auto object = objects_.cbegin(); object != objects_.cend(); ++object) {
        const Interfaces& interfaces = object.value();
        if (!interfaces.contains(kFilesystem) || !interfaces.contains(kBlock))
            continue;
        const QVariantMap block = interfaces.value(kBlock);
        Card card;
        card.fileSystem = object.key();
        card.name = block.value(QStringLiteral("IdLabel")).toString();
        // A block device without a drive names "/" as its drive.
        const QString drivePath = objectPath(block.value(QStringLiteral("Drive")));
        const QVariantMap drive = objects_.value(drivePath).value(kDrive); // empty without a drive
        if (!drive.isEmpty()) {
            card.drive = drivePath;
            card.canPowerOff = drive.value(QStringLiteral("CanPowerOff")).toBool();
        }
        const QList<QByteArray> mountPoints = unpacked<QList<QByteArray>>(
            interfaces.value(kFilesystem).value(QStringLiteral("MountPoints")));
        if (mountPoints.isEmpty()) {
            const bool removable = drive.value(QStringLiteral("Removable")).toBool() ||
                                   drive.value(QStringLiteral("MediaRemovable")).toBool() ||
                                   drive.value(QStringLiteral("Ejectable")).toBool();
            if (!removable || block.value(QStringLiteral("HintIgnore")).toBool())
                continue;
            if (card.name.isEmpty())
                card.name = pathFromBytes(
                    unpacked<QByteArray>(block.value(QStringLiteral("PreferredDevice"))));
            unmounted.append(card);
            continue;
        }
        card.mountPoint = pathFromBytes(mountPoints.constFirst());
        if (card.name.isEmpty())
            card.name = QFileInfo(card.mountPoint).fileName();
        mounted.append(card);
    }
    // The files on the mounted cards are looked for beside the window; an
    // answer that comes after a newer look began is stale.
    const int look = ++looking_;
    std::vector<std::string> folders;
    for (const Card& card : mounted)
        folders.push_back(card.mountPoint.toStdString());
    runBeside<std::vector<FolderLook>>(
        this, [folders] { return lookIntoFolders(folders); },
        [this, look, mounted, unmounted](const std::vector<FolderLook>& looks) {
            if (look != looking_)
                return;
            QList<Card> cameras, notAnswering;
            for (int i = 0; i < mounted.size(); ++i) {
                Card card = mounted.at(i);
                const FolderLook& found = looks[static_cast<std::size_t>(i)];
                if (!found.answered) {
                    notAnswering.append(card);
                    continue;
                }
                if (!found.file)
                    continue;
                card.configPath = QString::fromStdString(found.file->path);
                card.supported = found.file->supported;
                card.firmware = QString::fromStdString(found.file->firmwareString);
                cameras.append(card);
            }
            if (cameras == cameras_ && unmounted == unmounted_ && notAnswering == notAnswering_)
                return;
            cameras_ = cameras;
            unmounted_ = unmounted;
            notAnswering_ = notAnswering;
            emit changed();
        });
}

void UDisksMonitor::callOn(const QString& path, const QString& interface, const QString& method,
                           std::function<void(const QDBusMessage&)> done) {
    QDBusMessage call = QDBusMessage::createMethodCall(kService, path, interface, method);
    call << QVariantMap();
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [watcher, done] {
        watcher->deleteLater();
        done(watcher->reply());
    });
}

void UDisksMonitor::mount(const Card& card) {
    callOn(
        card.fileSystem, kFilesystem, QStringLiteral("Mount"),
        [this, card](const QDBusMessage& reply) {
            if (reply.type() != QDBusMessage::ReplyMessage) {
                emit failed(QCoreApplication::translate("CameraMonitor", "Could not mount %1: %2")
                                .arg(card.name, reasonOf(reply)));
                return;
            }
            Card mountedCard = card;
            mountedCard.mountPoint = reply.arguments().value(0).toString();
            runBeside<FolderLook>(
                this,
                [folder = mountedCard.mountPoint.toStdString()] {
                    return lookIntoFolders({folder}).front();
                },
                [this, mountedCard](const FolderLook& found) mutable {
                    if (!found.file) {
                        emit failed(QCoreApplication::translate("CameraMonitor",
                                                                "%1 is mounted at %2, but %3")
                                        .arg(mountedCard.name, mountedCard.mountPoint,
                                             found.answered
                                                 ? QCoreApplication::translate("CameraMonitor",
                                                                               "holds no camera "
                                                                               "configuration file")
                                                 : QCoreApplication::translate(
                                                       "CameraMonitor", "is not answering")));
                        return;
                    }
                    mountedCard.configPath = QString::fromStdString(found.file->path);
                    mountedCard.supported = found.file->supported;
                    mountedCard.firmware = QString::fromStdString(found.file->firmwareString);
                    emit mounted(mountedCard);
                });
        });
}

void UDisksMonitor::eject(const Card& card) {
    callOn(card.fileSystem, kFilesystem, QStringLiteral("Unmount"),
           [this, card](const QDBusMessage& reply) {
               if (reply.type() != QDBusMessage::ReplyMessage) {
                   emit failed(
                       QCoreApplication::translate("CameraMonitor", "Could not eject %1: %2")
                           .arg(card.name, reasonOf(reply)));
                   return;
               }
               if (card.canPowerOff)
                   powerOff(card);
               else
                   emit ejected(card.name);
           });
}

void UDisksMonitor::powerOff(const Card& card) {
    callOn(card.drive, kDrive, QStringLiteral("PowerOff"), [this, card](const QDBusMessage& reply) {
        if (reply.type() != QDBusMessage::ReplyMessage) {
            emit failed(QCoreApplication::translate(
                            "CameraMonitor", "%1 is unmounted and may be removed, but its drive "
                                             "could not be powered off: %2")
                            .arg(card.name, reasonOf(reply)));
            return;
        }
        emit ejected(card.name);
    });
}
