// set, sync-clock and copy: the commands that save a file.
#include "CameraCopy.h"
#include "CameraFiles.h"
#include "CommandLine.h"
#include "Commands.h"
#include "ConfigFile.h"
#include "ConfigFileText.h"
#include "ExitCodes.h"
#include "FileLock.h"
#include "KaveloConfigParser.h"
#include "ReadReport.h"
#include "SettingChanges.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <sys/stat.h>

void printNotes(const std::vector<std::string>& notes) {
    for (const std::string& note : notes)
        std::fprintf(stderr, "kavelo-config: note: %s\n", note.c_str());
}

int runSet(const CommandLine& line) {
    const std::string& path = line.operands[0];
    // Every assignment is parsed, and every change applied in memory, before
    // anything is saved: a refused one leaves the file untouched.
    std::vector<Assignment> assignments;
    for (std::size_t i = 1; i < line.operands.size(); ++i)
        assignments.push_back(parseAssignment(line.operands[i]));

    const FileLock lock(path); // from the read to the save
    KaveloConfigParser config;
    load(path, config);
    std::vector<std::string> notes;
    // The window refreshes after every change, and so applies its clip-length
    // limit even to a loop recording that a later change turns off again.
    for (const Assignment& assignment : assignments) {
        applyAssignment(config, assignment, line.raw, notes);
        if (!line.raw)
            applyRefreshRules(config, notes);
    }
    save(path, config, {line.keepClock, line.inPlace}, notes);
    printNotes(notes);
    return kExitSuccess;
}

int runSyncClock(const CommandLine& line) {
    const std::string& path = line.operands[0];
    const FileLock lock(path); // from the read to the save
    KaveloConfigParser config;
    load(path, config);
    // Without a date line the save would set no clock while reporting success.
    if (!dateFormatHasLine(config.getCameraValue(kDateFormat)))
        throw CommandFailure(kExitValueRefused,
                             path + ": " + settingName(kDateFormat) + " is " +
                                 std::to_string(config.getCameraValue(kDateFormat)) +
                                 ", which has no date line; set " + settingName(kDateFormat) +
                                 " to 0, 1 or 2 first");
    config.setCameraValue(kDateTime, 1);
    std::vector<std::string> notes;
    save(path, config, {false, line.inPlace}, notes);
    printNotes(notes);
    return kExitSuccess;
}

namespace {

// What became of one target of a copy.
struct CopyResult {
    ExitCode code = kExitSuccess;
    std::string line; // "saved and checked", "not saved: ...", "would change ..."
};

// Gives `targetPath` the settings of `sourcePath`, or lists what that would
// change; the target's lock is held from its read to its save.
CopyResult copyInto(const std::string& sourcePath, const std::string& targetPath,
                    const CommandLine& line, std::vector<std::string>& notes) {
    CameraCopyOptions options;
    options.clock = line.keepClock ? CameraCopyOptions::Clock::leaveAlone
                                   : CameraCopyOptions::Clock::camerasOwn;
    options.inPlace = line.inPlace;
    options.dryRun = line.dryRun;
    // Read over a copy of the target, so that a setting the source file lacks
    // keeps the target's value rather than a default.
    std::optional<SettingValues> asked;
    const auto sourceOver = [&](const KaveloConfigParser& target) {
        KaveloConfigParser source = target;
        load(sourcePath, source);
        asked = source.settings();
        return source.settings();
    };
    ReadReport report;
    const CameraCopy copy = copyIntoCamera(targetPath, sourceOver, options, &report);
    printDiagnostics(report, copy.before, copy.result != CameraCopy::refused);
    // The window lowers a clip length too long for loop recording when it
    // loads the source; the copy did the same.
    if (asked) {
        (*asked)[kDateTime] = copy.after.getCameraValue(kDateTime);
        noteLoopRecordingLimit(copy.after, *asked, notes);
    }
    switch (copy.result) {
    case CameraCopy::unreadable:
    case CameraCopy::refused:
        throw CommandFailure(kExitUnreadable, targetPath + ": " + copy.reason);
    case CameraCopy::busy: // never: the lock is waited for
    case CameraCopy::notSaved:
        std::fputc('\n', stderr); // ends the writer's own message, which has no line end
        throw CommandFailure(kExitNotSaved, notSavedMessage(targetPath, copy.save, line.inPlace));
    case CameraCopy::notChecked:
        return {kExitNotSaved, "not checked: the file read back holds other settings"};
    case CameraCopy::savedAndChecked:
        break;
    case CameraCopy::wouldChange: {
        std::string changes;
        const std::vector<int> changed =
            changedSettings(copy.before.settings(), copy.after.settings());
        for (int i : changed)
            changes += "\n  " + settingName(i) + ": " +
                       std::to_string(copy.before.getCameraValue(i)) + " -> " +
                       std::to_string(copy.after.getCameraValue(i));
        return {kExitSuccess, "would change " + std::to_string(changed.size()) +
                                  (changed.size() == 1 ? " setting" : " settings") + changes};
    }
    }
    return {kExitSuccess, "saved and checked"};
}

// The targets: those named, then with --all-cameras every connected
// camera's file that is not the source's.
std::vector<std::string> copyTargets(const CommandLine& line) {
    std::vector<std::string> targets(line.operands.begin() + 1, line.operands.end());
    if (!line.allCameras)
        return targets;
    struct stat source;
    const bool sourceKnown = stat(line.operands[0].c_str(), &source) == 0;
    for (const MountedCamera& camera : findMountedCameras().cameras) {
        if (sourceKnown && camera.file.device == source.st_dev &&
            camera.file.inode == source.st_ino)
            continue;
        targets.push_back(camera.file.path);
    }
    return targets;
}

} // namespace

int runCopy(const CommandLine& line) {
    const std::string& sourcePath = line.operands[0];
    const std::vector<std::string> targets = copyTargets(line);
    if (targets.empty())
        throw CommandFailure(kExitNoCamera, "no connected camera to copy to besides " + sourcePath);
    // One target named alone keeps the single copy's way: a failure ends the
    // command with its message, and success prints nothing.
    if (targets.size() == 1 && !line.allCameras && !line.dryRun) {
        std::vector<std::string> notes;
        copyInto(sourcePath, targets.front(), line, notes);
        printNotes(notes);
        return kExitSuccess;
    }
    ExitCode worst = kExitSuccess;
    for (const std::string& target : targets) {
        std::vector<std::string> notes;
        CopyResult result;
        try {
            result = copyInto(sourcePath, target, line, notes);
        } catch (const CommandFailure& failure) {
            // The message on one line, without the path it starts with.
            std::string message = failure.what();
            if (message.compare(0, target.size() + 2, target + ": ") == 0)
                message.erase(0, target.size() + 2);
            std::replace(message.begin(), message.end(), '\n', ' ');
            result = {failure.exitCode,
                      (failure.exitCode == kExitNotSaved ? "not saved: " : "refused: ") + message};
        }
        std::printf("%s: %s\n", target.c_str(), result.line.c_str());
        std::fflush(stdout);
        printNotes(notes);
        worst = std::max(worst, result.code);
    }
    return worst;
}
