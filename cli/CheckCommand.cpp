// check: what would stop the camera or the window.
#include "CameraRules.h"
#include "CommandLine.h"
#include "Commands.h"
#include "ConfigFile.h"
#include "Describe.h"
#include "ExitCodes.h"
#include "KaveloConfigParser.h"
#include "ReadReport.h"

#include <cstdio>

namespace {

using Missing = std::bitset<kSettingCount>;

void checkVideoMode(const KaveloConfigParser& config, const rules::VideoMode& mode,
                    const Missing& missing, std::vector<std::string>& problems) {
    const int resolution = config.getCameraValue(mode.resolution);
    const int frameRate = config.getCameraValue(mode.frameRate);
    if (!missing[mode.resolution] && !missing[mode.frameRate] &&
        !rules::combinationAllowed(resolution, frameRate))
        problems.push_back(settingName(mode.resolution) + " " +
                           valueWithMeaning(config, mode.resolution) + " does not go with " +
                           settingName(mode.frameRate) + " " +
                           valueWithMeaning(config, mode.frameRate) +
                           ": that resolution records at 30 or 25 fps only");
    if (!missing[mode.clipLength] && !missing[mode.loopRecording] &&
        !rules::clipLengthAllowed(config.getCameraValue(mode.loopRecording),
                                  config.getCameraValue(mode.clipLength)))
        problems.push_back(settingName(mode.clipLength) + " is " +
                           valueWithMeaning(config, mode.clipLength) + " while " +
                           settingName(mode.loopRecording) +
                           " is on; the window lowers it to 1 when it loads the file");
}

std::vector<std::string> findProblems(const KaveloConfigParser& config, const Missing& missing) {
    std::vector<std::string> problems;
    for (int i = 0; i < kSettingCount; ++i) {
        if (settingRow(i).line == FileLine::DateLine || !settingIsWritten(config, i))
            continue;
        if (missing[i]) {
            problems.push_back(std::string("keyword \"") + configKeywords[i] + "\" of " +
                               settingName(i) + " not found");
        } else if (!offered(i, config.getCameraValue(i))) {
            problems.push_back(settingName(i) + " is " + std::to_string(config.getCameraValue(i)) +
                               ", which no control of the window offers (it offers " +
                               describeValues(i) + ")");
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
    ReadReport report;
    std::vector<std::string> problems;
    std::string message;
    switch (tryLoad(path, config, &message, &report)) {
    case LoadOutcome::Unreadable:
        throw CommandFailure(kExitUnreadable, path + ": " + message);
    case LoadOutcome::Refused:
        problems.push_back(message); // the window's reason
        break;
    case LoadOutcome::Loaded:
        problems = findProblems(config, report.missing);
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
