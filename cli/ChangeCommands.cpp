// set, sync-clock and copy: the commands that save a file.
#include "CommandLine.h"
#include "Commands.h"
#include "ConfigFile.h"
#include "ConfigFileText.h"
#include "ExitCodes.h"
#include "FileLock.h"
#include "KaveloConfigParser.h"
#include "SettingChanges.h"

#include <cstdio>

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

int runCopy(const CommandLine& line) {
    const std::string& sourcePath = line.operands[0];
    const std::string& targetPath = line.operands[1];
    const FileLock lock(targetPath); // from the read to the save
    KaveloConfigParser target;
    load(targetPath, target);
    // Read over a copy of the target, so that a setting the source file lacks
    // keeps the target's value rather than a default.
    KaveloConfigParser source = target;
    load(sourcePath, source);
    for (int i = 0; i < kSettingCount; ++i) {
        if (i != kDateTime)
            target.setCameraValue(i, source.getCameraValue(i));
    }
    // The window lowers a clip length too long for loop recording when it
    // loads the source; the copy does the same.
    std::vector<std::string> notes;
    applyRefreshRules(target, notes);
    save(targetPath, target, {line.keepClock, line.inPlace}, notes);
    printNotes(notes);
    return kExitSuccess;
}
