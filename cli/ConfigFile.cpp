#include "ConfigFile.h"

#include "ConfigFileText.h"

#include "CameraCopy.h"
#include "Describe.h"
#include "ExitCodes.h"
#include "KaveloConfigParser.h"
#include "LoadMessages.h"
#include "ReadReport.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

void printDiagnostics(const ReadReport& report, const KaveloConfigParser& config, bool loaded) {
    for (const ReadDiagnostic& message : report.messages) {
        const bool expected = loaded && message.missingSetting >= 0 &&
                              !settingIsWritten(config, message.missingSetting);
        if (!expected)
            std::fputs(message.text.c_str(), stderr);
    }
}

LoadOutcome tryLoad(const std::string& path, KaveloConfigParser& config, std::string* message,
                    ReadReport* report) {
    // The window's alerts name only identification problems; a file that is
    // missing, unreadable or too large gets its own, truer reason.
    *message = load_messages::unreadableReason(path);
    if (!message->empty())
        return LoadOutcome::Unreadable;
    ReadReport ownReport;
    ReadReport& read = report != nullptr ? *report : ownReport;
    read.toStandardError = false;
    const bool loaded = config.readConfigFile(path.c_str(), read);
    printDiagnostics(read, config, loaded);
    if (!loaded) {
        *message =
            load_messages::failureMessage(config.getRevisionNumber(), config.getFirmwareNumber());
        return LoadOutcome::Refused;
    }
    return LoadOutcome::Loaded;
}

void load(const std::string& path, KaveloConfigParser& config) {
    std::string message;
    if (tryLoad(path, config, &message) != LoadOutcome::Loaded)
        throw CommandFailure(kExitUnreadable, path + ": " + message);
}

void save(const std::string& path, KaveloConfigParser& config, SaveOptions options,
          std::vector<std::string>& notes) {
    if (options.keepClock)
        config.setCameraValue(kDateTime, 0);
    if (config.getCameraValue(kDateTime) != 0 &&
        !dateFormatHasLine(config.getCameraValue(kDateFormat)))
        notes.push_back(settingName(kDateFormat) + " " +
                        std::to_string(config.getCameraValue(kDateFormat)) +
                        " has no date line, so the camera's clock is not set");
    const CameraSave attempt = saveCameraFile(path, config, options.inPlace);
    if (!attempt.saved) {
        std::fputc('\n', stderr); // ends the writer's own message, which has no line end
        throw CommandFailure(kExitNotSaved, notSavedMessage(path, attempt, options.inPlace));
    }
}

std::string notSavedMessage(const std::string& path, const CameraSave& attempt, bool inPlace) {
    // The window's alert, and the system's reason after it.
    std::string message = path + ": Configuration file NOT saved! \nProblem during file writing!";
    if (attempt.error != 0)
        message += std::string(": ") + std::strerror(attempt.error);
    if (attempt.fitsInPlace && !inPlace)
        message += "\nThe new text fits in the space the file takes: --in-place writes it "
                   "over the file without the safety copy (a card pulled out meanwhile may "
                   "leave it damaged)";
    return message;
}
