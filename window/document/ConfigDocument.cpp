#include "ConfigDocument.h"

#include "BackgroundTask.h"
#include "FileLock.h"
#include "Globals.h"
#include "LoadMessages.h"
#include "SettingsHistory.h"
#include "WindowTitle.h"

#include <QByteArray>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QTimer>
#include <QUndoStack>

#include <algorithm>
#include <cstring>

namespace {

// kavelo-config holds a file's lock for the milliseconds of a read and a
// save; a lock held longer is another program's that the window does not wait for.
constexpr std::chrono::milliseconds kLockLimit{2000};
// A save writes, renames and sets times in a row: the look waits for the
// events to settle.
constexpr int kSettleMilliseconds = 200;

// configFileName takes a path's UTF-8 bytes, cut to fit with its NUL; the
// window refuses a longer path before it gets here.
void storeConfigFileName(const QByteArray& path) {
    std::memset(configFileName, 0, kConfigFileNameSize);
    std::memcpy(configFileName, path.constData(),
                std::min(static_cast<std::size_t>(path.size()), kConfigFileNameSize - 1));
}

} // namespace

ConfigDocument::ConfigDocument(KaveloConfigParser& config, QObject* parent)
    : QObject(parent), config_(config), history_(new QUndoStack(this)), saved_(config.settings()),
      watcher_(new QFileSystemWatcher(this)), settle_(new QTimer(this)) {
    settle_->setSingleShot(true);
    settle_->setInterval(kSettleMilliseconds);
    connect(settle_, &QTimer::timeout, this, &ConfigDocument::lookAtFile);
    connect(watcher_, &QFileSystemWatcher::fileChanged, settle_, qOverload<>(&QTimer::start));
    connect(watcher_, &QFileSystemWatcher::directoryChanged, settle_, qOverload<>(&QTimer::start));
}

void ConfigDocument::mirrorPath() {
    storeConfigFileName(path_.toUtf8());
}

ConfigDocument::Load ConfigDocument::load(const QString& path) {
    // A refused read changes no setting and no camera time, only the
    // identification; this copy puts back exactly what the last good load left.
    const KaveloConfigParser beforeRead = config_;
    storeConfigFileName(path.toUtf8());
    // Under kavelo-config's lock, so that what is read is what the snapshot
    // describes.
    const FileLock lock(configFileName, kLockLimit);
    if (config_.readConfigFile(configFileName)) {
        path_ = path;
        saved_ = config_.settings();
        hold(snapshotOf(configFileName));
        watch();
        // A new file starts a new history.
        history_->clear();
        emit titleChanged();
        return {true, config_.getFirmwareNumber(), config_.getRevisionNumber(), saved_, {}};
    }
    // Save goes on writing the last file that loaded, with its own
    // identification, rather than the settings of one file into another.
    Load refused{false, config_.getFirmwareNumber(), config_.getRevisionNumber(),
                 config_.settings(), load_messages::unreadableReason(configFileName)};
    if (refused.finding.empty() && config_.getFirmwareString()[0] == '\0')
        refused.finding = "no camera identifiers, so no camera's configuration file";
    config_ = beforeRead;
    mirrorPath();
    return refused;
}

ConfigDocument::Save ConfigDocument::save(const FileSnapshot* accepted, bool inPlace) {
    const std::string file = configFileName;
    const FileLock lock(file, kLockLimit);
    if (lock.heldByAnother())
        return {Save::busy, found_};
    found_ = snapshotOf(file);
    switch (changeBetween(held_, found_)) {
    case FileChange::unchanged:
        break;
    case FileChange::otherCamera:
        return {Save::otherCamera, found_};
    case FileChange::changed:
    case FileChange::deleted:
        if (accepted == nullptr || changeBetween(*accepted, found_) != FileChange::unchanged)
            return {found_.state == FileSnapshot::State::missing ? Save::deleted : Save::changed,
                    found_};
        break;
    }
    const bool written = inPlace ? config_.writeConfigFileInPlace(configFileName)
                                 : config_.writeConfigFile(configFileName);
    if (!written)
        return {Save::failed, found_};
    saved_ = config_.settings();
    // What was written, not what is read back: another program may have
    // changed the file in the moment since the lock went with the old file.
    hold(snapshotHolding(snapshotOf(file), config_.lastWrittenText()));
    watch();
    emit titleChanged();
    return {Save::saved, found_};
}

void ConfigDocument::hold(const FileSnapshot& snapshot) {
    held_ = snapshot;
    found_ = snapshot;
    told_ = FileChange::unchanged;
    ++generation_;
}

// The file and its folder: a save by another program may rewrite the file or
// rename a new one over it, and a deletion or a card pulled shows in the folder.
void ConfigDocument::watch() {
    if (!watcher_->files().isEmpty())
        watcher_->removePaths(watcher_->files());
    if (!watcher_->directories().isEmpty())
        watcher_->removePaths(watcher_->directories());
    watcher_->addPath(path_);
    watcher_->addPath(QFileInfo(path_).absolutePath());
}

void ConfigDocument::recheck() {
    if (!hasFile())
        return;
    watch();
    settle_->start();
}

// Beside the window: a card that stopped answering holds the look, not the window.
void ConfigDocument::lookAtFile() {
    if (!hasFile())
        return;
    if (looking_) {
        lookAgain_ = true; // once this look is back
        return;
    }
    looking_ = true;
    const unsigned generation = generation_;
    runBeside<FileSnapshot>(
        this, [file = std::string(configFileName)] { return snapshotOf(file); },
        [this, generation](const FileSnapshot& now) {
            looking_ = false;
            if (lookAgain_) {
                lookAgain_ = false;
                settle_->start();
            }
            if (generation != generation_)
                return; // a load or a save since: the look describes a file no longer held
            const FileChange change = changeBetween(held_, now);
            const bool news =
                change != told_ || now.checksum != found_.checksum || now.state != found_.state;
            found_ = now;
            if (now.state == FileSnapshot::State::present && watcher_->files().isEmpty())
                watcher_->addPath(path_); // a new file renamed over the one watched
            if (change == FileChange::unchanged || !news) {
                told_ = change;
                return;
            }
            told_ = change;
            emit changedElsewhere(change);
        });
}

void ConfigDocument::recordChange(const QString& name, const SettingValues& before, int mergeKey) {
    const SettingValues after = config_.settings();
    if (after != before)
        history_->push(new SettingsChange(
            name, before, after, [this](const SettingValues& values) { restore(values); },
            mergeKey));
    emit titleChanged();
}

void ConfigDocument::restore(const SettingValues& values) {
    config_.settings() = values;
    emit settingsRestored();
    emit titleChanged();
}

void ConfigDocument::setPlace(const QString& volume, const QString& cardMount) {
    volume_ = volume;
    cardMount_ = cardMount;
    cardGone_ = false;
    emit titleChanged();
}

void ConfigDocument::setCardGone(bool gone) {
    cardGone_ = gone;
    emit titleChanged();
}

QString ConfigDocument::title() const {
    if (!hasFile())
        return windowTitleFor(QString(), QString());
    return windowTitleFor(path_, cardGone_ ? QStringLiteral("%1 (removed)").arg(volume_) : volume_);
}
