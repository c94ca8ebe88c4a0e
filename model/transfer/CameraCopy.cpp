#include "CameraCopy.h"

#include "CameraRules.h"
#include "FileLock.h"
#include "LoadMessages.h"
#include "ReadReport.h"

#include <cstdio>

CameraSave saveCameraFile(const std::string& path, const KaveloConfigParser& config, bool inPlace) {
    CameraSave save;
    save.saved = config.writeConfigFile(path.c_str());
    save.fitsInPlace = !save.saved && config.lastWriteFitsInPlace();
    if (save.fitsInPlace && inPlace) {
        std::fputc('\n', stderr); // ends the writer's message, which has no line end
        save.saved = config.writeConfigFileInPlace(path.c_str());
    }
    save.error = save.saved ? 0 : config.lastWriteError();
    return save;
}

CameraCopy
copyIntoCamera(const std::string& targetPath,
               const std::function<SettingValues(const KaveloConfigParser&)>& settingsFor,
               const CameraCopyOptions& options, ReadReport* report) {
    CameraCopy copy;
    const FileLock lock(targetPath, options.lockLimit);
    if (lock.heldByAnother()) {
        copy.result = CameraCopy::busy;
        return copy;
    }
    copy.reason = load_messages::unreadableReason(targetPath);
    if (!copy.reason.empty())
        return copy;
    ReadReport ownReport;
    ReadReport& read = report != nullptr ? *report : ownReport;
    read.toStandardError = false;
    if (!copy.before.readConfigFile(targetPath.c_str(), read)) {
        copy.result = CameraCopy::refused;
        copy.reason = load_messages::failureMessage(copy.before.getRevisionNumber(),
                                                    copy.before.getFirmwareNumber());
        return copy;
    }
    copy.after = copy.before;
    rules::takeSettingsOf(copy.after.settings(), settingsFor(copy.before));
    if (options.clock != CameraCopyOptions::Clock::camerasOwn)
        copy.after.setCameraValue(kDateTime, options.clock == CameraCopyOptions::Clock::set);
    if (options.dryRun) {
        copy.result = CameraCopy::wouldChange;
        return copy;
    }
    copy.save = saveCameraFile(targetPath, copy.after, options.inPlace);
    if (!copy.save.saved) {
        copy.result = CameraCopy::notSaved;
        return copy;
    }
    copy.result = readsBackAs(targetPath, copy.after.settings()) ? CameraCopy::savedAndChecked
                                                                 : CameraCopy::notChecked;
    return copy;
}

bool readsBackAs(const std::string& path, const SettingValues& values) {
    // What the card holds now is what was meant: read back and compared. The
    // clock choice is no line of the file (a read always sets the clock), so
    // it is no part of the comparison.
    KaveloConfigParser check;
    if (!check.readConfigFile(path.c_str()))
        return false;
    check.setCameraValue(kDateTime, values[kDateTime]);
    return check.settings() == values;
}

std::vector<int> changedSettings(const SettingValues& before, const SettingValues& after) {
    std::vector<int> changed;
    for (int i = 0; i < kSettingCount; ++i) {
        if (before[static_cast<std::size_t>(i)] != after[static_cast<std::size_t>(i)])
            changed.push_back(i);
    }
    return changed;
}
