// check: what would stop the camera or the window.
#include "CameraRules.h"
#include "CommandLine.h"
#include "Commands.h"
#include "ConfigFile.h"
#include "Describe.h"
#include "ExitCodes.h"
#include "KaveloConfigParser.h"
#include "SettingChoices.h"
#include "SettingNames.h"

#include <climits>
#include <cstdio>

namespace {

constexpr int kDateTime = 1; // never read from the file: it is no problem when absent

void presetAll(KaveloConfigParser& config, int value) {
    for (int i = 0; i < kSettingCount; ++i)
        config.setCameraValue(i, value);
}

// A setting the file lacks keeps whatever it held before the read. Two reads
// over different pre-set values tell those settings apart: a setting the file
// supplies reads the same in both.
std::vector<bool> findMissing(const std::string& path, const KaveloConfigParser& firstRead) {
    KaveloConfigParser second;
    presetAll(second, INT_MAX);
    StandardErrorCapture quiet; // the first read has said it all
    second.readConfigFile(path.c_str());
    quiet.finish();
    std::vector<bool> missing(kSettingCount);
    for (int i = 0; i < kSettingCount; ++i)
        missing[i] = firstRead.getCameraValue(i) != second.getCameraValue(i);
    return missing;
}

void checkVideoMode(const KaveloConfigParser& config, const rules::VideoMode& mode,
                    const std::vector<bool>& missing, std::vector<std::string>& problems) {
    const int resolution = config.getCameraValue(mode.resolution);
    const int frameRate = config.getCameraValue(mode.frameRate);
    if (!missing[mode.resolution] && !missing[mode.frameRate] && resolution >= 0 &&
        resolution <= 2 && frameRate >= 1 && frameRate <= 2)
        problems.push_back(std::string(settingName(mode.resolution)) + " " +
                           valueWithMeaning(config, mode.resolution) + " does not go with " +
                           settingName(mode.frameRate) + " " +
                           valueWithMeaning(config, mode.frameRate) +
                           ": that resolution records at 30 or 25 fps only");
    const int clipLength = config.getCameraValue(mode.clipLength);
    if (!missing[mode.clipLength] && !missing[mode.loopRecording] &&
        config.getCameraValue(mode.loopRecording) != 0 && clipLength >= 2)
        problems.push_back(std::string(settingName(mode.clipLength)) + " is " +
                           valueWithMeaning(config, mode.clipLength) + " while " +
                           settingName(mode.loopRecording) +
                           " is on; the window lowers it to 1 when it loads the file");
}

std::vector<std::string> findProblems(const KaveloConfigParser& config,
                                      const std::vector<bool>& missing) {
    std::vector<std::string> problems;
    for (int i = 0; i < kSettingCount; ++i) {
        if (i == kDateTime || !settingIsWritten(config, i))
            continue;
        if (missing[i]) {
            problems.push_back(std::string("keyword \"") + configKeywords[i] + "\" of " +
                               settingName(i) + " not found");
        } else if (!choices::offered(i, config.getCameraValue(i))) {
            problems.push_back(
                std::string(settingName(i)) + " is " + std::to_string(config.getCameraValue(i)) +
                ", which no control of the window offers (it offers " + describeValues(i) + ")");
        }
    }
    checkVideoMode(config, rules::kVideoMode1, missing, problems);
    checkVideoMode(config, rules::kVideoMode2, missing, problems);
    return problems;
}

} // namespace

int runCheck(const CommandLine& line) {
    const std::string& path = line.operands[0];
    KaveloConfigParser config;
    presetAll(config, INT_MIN);
    std::vector<std::string> problems;
    std::string message;
    switch (tryLoad(path, config, &message)) {
    case LoadOutcome::Unreadable:
        throw CommandFailure(kExitUnreadable, path + ": " + message);
    case LoadOutcome::Refused:
        problems.push_back(message); // the window's reason
        break;
    case LoadOutcome::Loaded:
        problems = findProblems(config, findMissing(path, config));
        break;
    }
    std::string out;
    for (const std::string& problem : problems)
        out += path + ": " + problem + "\n";
    if (problems.empty())
        out += path + ": no problems found\n";
    else
        out += path + ": " + std::to_string(problems.size()) +
               (problems.size() == 1 ? " problem\n" : " problems\n");
    std::fwrite(out.data(), 1, out.size(), stdout);
    return problems.empty() ? kExitSuccess : kExitProblemsFound;
}
