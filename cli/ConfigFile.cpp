#include "ConfigFile.h"

#include "Describe.h"
#include "ExitCodes.h"
#include "KaveloConfigParser.h"
#include "LoadMessages.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kDateFormat = 0;
constexpr int kDateTime = 1;
constexpr int kCardFormat = 45;

// Passes the reader's diagnostics on to standard error, all but the one that
// every file of a firmware without a card-format setting would bring.
void replayDiagnostics(const std::string& text, const KaveloConfigParser& config, bool loaded) {
    const std::string expected = std::string("Problem parsing file: ") +
                                 configKeywords[kCardFormat] + " keyword not found!!!\n";
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        end = end == std::string::npos ? text.size() : end + 1;
        const std::string line = text.substr(start, end - start);
        if (!(loaded && line == expected && !settingIsWritten(config, kCardFormat)))
            std::fputs(line.c_str(), stderr);
        start = end;
    }
}

} // namespace

LoadOutcome tryLoad(const std::string& path, KaveloConfigParser& config, std::string* message) {
    // The window's alerts name only identification problems; a file that is
    // missing, unreadable or too large gets its own, truer reason.
    struct stat status;
    if (stat(path.c_str(), &status) != 0) {
        *message = std::strerror(errno);
        return LoadOutcome::Unreadable;
    }
    if (!S_ISREG(status.st_mode)) {
        *message = "not a regular file";
        return LoadOutcome::Unreadable;
    }
    if (status.st_size > kMaxFileSize) {
        *message = "larger than " + std::to_string(kMaxFileSize) +
                   " bytes, so no camera configuration file";
        return LoadOutcome::Unreadable;
    }
    FILE* probe = std::fopen(path.c_str(), "rb");
    if (probe == nullptr) {
        *message = std::strerror(errno);
        return LoadOutcome::Unreadable;
    }
    std::fclose(probe);
    StandardErrorCapture capture;
    const bool loaded = config.readConfigFile(path.c_str());
    replayDiagnostics(capture.finish(), config, loaded);
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

bool hasDateLine(const KaveloConfigParser& config) {
    const int format = config.getCameraValue(kDateFormat);
    return format >= 0 && format <= 2;
}

void save(const std::string& path, KaveloConfigParser& config, bool keepClock,
          std::vector<std::string>& notes) {
    if (keepClock)
        config.setCameraValue(kDateTime, 0);
    if (config.getCameraValue(kDateTime) != 0 && !hasDateLine(config))
        notes.push_back("date.format " + std::to_string(config.getCameraValue(kDateFormat)) +
                        " has no date line, so the camera's clock is not set");
    if (!config.writeConfigFile(path.c_str())) {
        std::fputc('\n', stderr); // ends the writer's own message, which has no line end
        // The window's alert, and the system's reason after it.
        std::string message =
            path + ": Configuration file NOT saved! \nProblem during file writing!";
        if (config.lastWriteError() != 0)
            message += std::string(": ") + std::strerror(config.lastWriteError());
        throw CommandFailure(kExitNotSaved, message);
    }
}

StandardErrorCapture::StandardErrorCapture() : file(std::tmpfile()), saved(-1) {
    std::fflush(stderr);
    if (file == nullptr)
        return; // nothing collected: the text goes where it always goes
    saved = dup(STDERR_FILENO);
    if (saved < 0 || dup2(fileno(file), STDERR_FILENO) < 0) {
        if (saved >= 0)
            close(saved);
        saved = -1;
    }
}

StandardErrorCapture::~StandardErrorCapture() {
    finish();
}

std::string StandardErrorCapture::finish() {
    std::string text;
    std::fflush(stderr);
    if (saved >= 0) {
        dup2(saved, STDERR_FILENO);
        close(saved);
        saved = -1;
        std::rewind(file);
        char buffer[512];
        std::size_t n = 0;
        while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0)
            text.append(buffer, n);
    }
    if (file != nullptr) {
        std::fclose(file);
        file = nullptr;
    }
    return text;
}
