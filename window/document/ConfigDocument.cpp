#include "ConfigDocument.h"

#include "BackgroundTask.h"
#include "FileLock.h"
#include "StatusMessages.h"
#include "Globals.h"
#include "LoadMessages.h"
#include "SettingsHistory.h"
#include "WindowTitle.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QTimer>
#include <QUndoStack>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>

namespace {

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

namespace {

struct ReadOutcome {
    bool loaded = false;
    KaveloConfigParser parser;
    FileSnapshot snapshot;
    QString finding;
};

// Beside the window, on a copy of the settings, under kavelo-config's lock,
// so that what is read is what the snapshot describes.
ReadOutcome readBeside(KaveloConfigParser parser, const std::string& file) {
    const FileLock lock(file, kLockLimit);
    ReadOutcome outcome;
    outcome.loaded = parser.readConfigFile(file.c_str());
    if (outcome.loaded)
        outcome.snapshot = snapshotOf(file);
    else
        outcome.finding = shownMessage(load_messages::unreadable(file));
    outcome.parser = parser;
    return outcome;
}

struct WriteOutcome {
    ConfigDocument::Save::Result result = ConfigDocument::Save::failed;
    FileSnapshot found;
    FileSnapshot written;
    KaveloConfigParser parser; // with the record of its write
};

// Beside the window, on a copy of the settings: the check under the lock,
// then the write.
WriteOutcome writeBeside(KaveloConfigParser parser, const std::string& file, FileSnapshot held,
                         std::optional<FileSnapshot> accepted, bool inPlace) {
    using Save = ConfigDocument::Save;
    WriteOutcome outcome;
    const FileLock lock(file, kLockLimit);
    if (lock.heldByAnother()) {
        outcome.result = Save::busy;
        return outcome;
    }
    outcome.found = snapshotOf(file);
    switch (changeBetween(held, outcome.found)) {
    case FileChange::unchanged:
        break;
    case FileChange::otherCamera:
        outcome.result = Save::otherCamera;
        return outcome;
    case FileChange::changed:
    case FileChange::deleted:
        if (!accepted || changeBetween(*accepted, outcome.found) != FileChange::unchanged) {
            outcome.result =
                outcome.found.state == FileSnapshot::State::missing ? Save::deleted : Save::changed;
            return outcome;
        }
        break;
    }
    const bool written = inPlace ? parser.writeConfigFileInPlace(file.c_str())
                                 : parser.writeConfigFile(file.c_str());
    outcome.parser = parser;
    if (!written)
        return outcome;
    outcome.result = Save::saved;
    // What was written, not what is read back: another program may have
    // changed the file in the moment since the lock went with the old file.
    outcome.written = snapshotHolding(snapshotOf(file), parser.lastWrittenText());
    return outcome;
}

} // namespace

ConfigDocument::Load ConfigDocument::load(const QString& path) {
    storeConfigFileName(path.toUtf8());
    const std::optional<ReadOutcome> read = waitBeside<ReadOutcome>(
        [parser = config_, file = std::string(configFileName)] { return readBeside(parser, file); },
        kCardWaitLimit);
    if (read && read->loaded) {
        config_ = read->parser;
        path_ = path;
        saved_ = config_.settings();
        hold(read->snapshot);
        watch();
        // A new file starts a new history.
        history_->clear();
        emit titleChanged();
        return {true, config_.getFirmwareNumber(), config_.getRevisionNumber(), saved_, {}};
    }
    // A refused read changes no setting and no camera time: the document
    // keeps what the last good load left, and Save goes on writing that file.
    mirrorPath();
    if (!read)
        return {false, config_.getFirmwareNumber(), config_.getRevisionNumber(), config_.settings(),
                "the card is not answering"};
    const KaveloConfigParser& refused = read->parser;
    Load outcome{false, refused.getFirmwareNumber(), refused.getRevisionNumber(),
                 refused.settings(), read->finding};
    if (outcome.finding.isEmpty() && refused.getFirmwareString()[0] == '\0')
        outcome.finding = noIdentifiersFinding();
    return outcome;
}

ConfigDocument::Save ConfigDocument::save(const FileSnapshot* accepted, bool inPlace) {
    const std::optional<FileSnapshot> agreed =
        accepted != nullptr ? std::optional<FileSnapshot>(*accepted) : std::nullopt;
    const std::optional<WriteOutcome> write = waitBeside<WriteOutcome>(
        [parser = config_, file = std::string(configFileName), held = held_, agreed, inPlace] {
            return writeBeside(parser, file, held, agreed, inPlace);
        },
        kCardWaitLimit);
    if (!write)
        return {Save::notAnswering, found_};
    found_ = write->found;
    if (write->result == Save::saved || write->result == Save::failed)
        config_ = write->parser; // the same settings, with the record of the write
    if (write->result != Save::saved)
        return {write->result, found_};
    saved_ = config_.settings();
    hold(write->written);
    watch();
    emit titleChanged();
    return {Save::saved, found_};
}

ConfigDocument::Other ConfigDocument::readOther(const QString& path) const {
    const std::optional<ReadOutcome> read = waitBeside<ReadOutcome>(
        [parser = config_, file = std::string(path.toUtf8().constData())] {
            return readBeside(parser, file);
        },
        kCardWaitLimit);
    if (!read)
        return {false, config_, "the card is not answering"};
    Other other{read->loaded, read->parser, read->finding};
    if (!other.read && other.finding.isEmpty() && other.parser.getFirmwareString()[0] == '\0')
        other.finding = noIdentifiersFinding();
    return other;
}

int ConfigDocument::saveCopy(const QString& path) {
    const std::optional<int> error = waitBeside<int>(
        [parser = config_, file = std::string(path.toUtf8().constData())] {
            return parser.writeConfigFile(file.c_str()) ? 0 : parser.lastWriteError();
        },
        kCardWaitLimit);
    return error.value_or(ETIMEDOUT);
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
    return windowTitleFor(
        path_, cardGone_
                   ? QCoreApplication::translate("ConfigDocument", "%1 (removed)").arg(volume_)
                   : volume_);
}
