#include "MountTableMonitor.h"

#include "CameraFiles.h"
#include "MediaFolders.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QSocketNotifier>
#include <QStorageInfo>

#include <fcntl.h>
#include <unistd.h>

namespace {

// Its label where it has one, else the name of the folder it is mounted on.
QString nameOf(const QStorageInfo& volume) {
    const QString label = volume.displayName();
    if (label.isEmpty() || label == volume.rootPath())
        return QFileInfo(volume.rootPath()).fileName();
    return label;
}

} // namespace

MountTableMonitor::MountTableMonitor(QObject* parent) : CameraMonitor(parent) {
    // The kernel marks the table as changed with an exceptional condition,
    // until it is read again.
    mountTable_ = ::open("/proc/self/mountinfo", O_RDONLY | O_CLOEXEC);
    if (mountTable_ >= 0) {
        notifier_ = new QSocketNotifier(mountTable_, QSocketNotifier::Exception, this);
        connect(notifier_, &QSocketNotifier::activated, this, [this] {
            char buffer[4096];
            ::lseek(mountTable_, 0, SEEK_SET);
            while (::read(mountTable_, buffer, sizeof buffer) > 0) {
            }
            rescan();
        });
    } else {
        watcher_ = new QFileSystemWatcher(this);
        for (const QString& folder : removableMediaCandidates(loginName())) {
            if (QFileInfo(folder).isDir())
                watcher_->addPath(folder);
        }
        connect(watcher_, &QFileSystemWatcher::directoryChanged, this, [this] { rescan(); });
    }
    rescan();
}

MountTableMonitor::~MountTableMonitor() {
    // The notifier goes before the descriptor it watches.
    delete notifier_;
    if (mountTable_ >= 0)
        ::close(mountTable_);
}

// The model's finder reads the mount table itself and skips network and
// pseudo file systems before it looks into any of them, so that a server that
// does not answer never stalls the window; only the cameras found are asked
// for their labels.
void MountTableMonitor::rescan() {
    QList<Card> found;
    for (const MountedCamera& camera : mountedCameras()) {
        const QString mountPoint = QString::fromStdString(camera.fileSystem.mountPoint);
        if (mountPoint == QDir::rootPath())
            continue;
        Card card;
        card.name = nameOf(QStorageInfo(mountPoint));
        card.mountPoint = mountPoint;
        card.configPath = QString::fromStdString(camera.file.path);
        card.supported = camera.file.supported;
        found.append(card);
    }
    const bool same =
        found.size() == cameras_.size() &&
        std::equal(found.begin(), found.end(), cameras_.begin(), [](const Card& a, const Card& b) {
            return a.mountPoint == b.mountPoint && a.configPath == b.configPath &&
                   a.supported == b.supported;
        });
    cameras_ = found;
    if (!same)
        emit changed();
}

void MountTableMonitor::mount(const Card& card) {
    emit failed(QStringLiteral("Cannot mount %1: mounting a card needs the desktop's storage "
                               "service (UDisks2), which is not running")
                    .arg(card.name));
}

void MountTableMonitor::eject(const Card& card) {
    emit failed(QStringLiteral("Cannot eject %1: ejecting a card needs the desktop's storage "
                               "service (UDisks2), which is not running")
                    .arg(card.name));
}
