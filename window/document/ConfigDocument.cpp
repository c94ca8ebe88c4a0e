#include "ConfigDocument.h"

#include "Globals.h"
#include "LoadMessages.h"
#include "SettingsHistory.h"
#include "WindowTitle.h"

#include <QByteArray>
#include <QUndoStack>

#include <algorithm>
#include <cstring>

namespace {

// configFileName takes a path's UTF-8 bytes, cut to fit with its NUL; the
// window refuses a longer path before it gets here.
void storeConfigFileName(const QByteArray& path) {
    std::memset(configFileName, 0, kConfigFileNameSize);
    std::memcpy(configFileName, path.constData(),
                std::min(static_cast<std::size_t>(path.size()), kConfigFileNameSize - 1));
}

} // namespace

ConfigDocument::ConfigDocument(KaveloConfigParser& config, QObject* parent)
    : QObject(parent), config_(config), history_(new QUndoStack(this)), saved_(config.settings()) {}

void ConfigDocument::mirrorPath() {
    storeConfigFileName(path_.toUtf8());
}

ConfigDocument::Load ConfigDocument::load(const QString& path) {
    // A refused read changes no setting and no camera time, only the
    // identification; this copy puts back exactly what the last good load left.
    const KaveloConfigParser beforeRead = config_;
    storeConfigFileName(path.toUtf8());
    if (config_.readConfigFile(configFileName)) {
        path_ = path;
        saved_ = config_.settings();
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

bool ConfigDocument::save() {
    if (!config_.writeConfigFile(configFileName))
        return false;
    saved_ = config_.settings();
    emit titleChanged();
    return true;
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
