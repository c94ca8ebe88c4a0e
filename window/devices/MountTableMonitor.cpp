#include "MountTableMonitor.h"

#include "BackgroundTask.h"
#include "CameraFiles.h"
#include "MediaFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QSocketNotifier>
#include <QTimer>

#include <fcntl.h>
#include <unistd.h>

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
    // A card's file may appear on a card that is already mounted (written by
    // another program, or by the camera over USB), which the table does not
    // tell: the cards are looked at again from time to time, beside the window.
    auto* again = new QTimer(this);
    again->start(kLookAgainMilliseconds);
    connect(again, &QTimer::timeout, this, [this] { rescan(); });
    rescan();
}

MountTableMonitor::~MountTableMonitor() {
    // The notifier goes before the descriptor it watches.
    delete notifier_;
    if (mountTable_ >= 0)
        ::close(mountTable_);
}

// The cameras found now, each named after the folder it is mounted on (where
// desktops mount a card under its label). Beside the window: a card that does
// not answer holds this search for a limited time, and holds nothing of the
// window. (Its label is not asked for: a card that stops answering right
// after its look would hold the search for good.)
MountTableMonitor::Search MountTableMonitor::search() {
    Search result;
    const CameraSearch search = findMountedCameras();
    for (const MountedCamera& camera : search.cameras) {
        const QString mountPoint = QString::fromStdString(camera.fileSystem.mountPoint);
        if (mountPoint == QDir::rootPath())
            continue;
        Card card;
        card.name = QFileInfo(mountPoint).fileName();
        card.mountPoint = mountPoint;
        card.configPath = QString::fromStdString(camera.file.path);
        card.supported = camera.file.supported;
        card.firmware = QString::fromStdString(camera.file.firmwareString);
        result.cameras.append(card);
    }
    for (const MountedFileSystem& fileSystem : search.notAnswering) {
        Card card;
        card.mountPoint = QString::fromStdString(fileSystem.mountPoint);
        card.name = QFileInfo(card.mountPoint).fileName();
        result.notAnswering.append(card);
    }
    return result;
}

void MountTableMonitor::rescan() {
    if (searching_) {
        searchAgain_ = true;
        return;
    }
    searching_ = true;
    runBeside<Search>(this, &MountTableMonitor::search, [this](const Search& found) {
        searching_ = false;
        if (searchAgain_) {
            searchAgain_ = false;
            rescan();
        }
        const bool same = found.cameras == cameras_ && found.notAnswering == notAnswering_;
        cameras_ = found.cameras;
        notAnswering_ = found.notAnswering;
        if (!same)
            emit changed();
    });
}

void MountTableMonitor::mount(const Card& card) {
    emit failed(QCoreApplication::translate(
                    "CameraMonitor", "Cannot mount %1: mounting a card needs the desktop's storage "
                                     "service (UDisks2), which is not running")
                    .arg(card.name));
}

void MountTableMonitor::eject(const Card& card) {
    emit failed(QCoreApplication::translate(
                    "CameraMonitor", "Cannot eject %1: ejecting a card needs the desktop's storage "
                                     "service (UDisks2), which is not running")
                    .arg(card.name));
}
