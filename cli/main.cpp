// kavelo-config: the command-line companion of Kavelo Manager.
#include "CommandLine.h"
#include "Commands.h"
#include "ExitCodes.h"
#include "HelpText.h"
#include "Version.h"

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

namespace {

struct CommandEntry {
    const char* name;
    int (*run)(const CommandLine&);
};
const CommandEntry kCommands[] = {
    {"show", runShow}, {"get", runGet},     {"set", runSet},         {"sync-clock", runSyncClock},
    {"copy", runCopy}, {"check", runCheck}, {"cameras", runCameras},
};

int run(const std::vector<std::string>& arguments) {
    const CommandLine line = parseCommandLine(arguments);
    if (line.help) {
        std::fputs(helpText().c_str(), stdout);
        return kExitSuccess;
    }
    if (line.version) {
        std::fputs("kavelo-config " KAVELO_VERSION "\n" KAVELO_COPYRIGHT "\n" KAVELO_LICENSE_NOTICE,
                   stdout);
        return kExitSuccess;
    }
    for (const CommandEntry& entry : kCommands) {
        if (line.command == entry.name)
            return entry.run(line);
    }
    return kExitUsage; // parseCommandLine knows the same commands
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    try {
        const int status = run(arguments);
        if (std::fflush(stdout) != 0) {
            std::fputs("kavelo-config: cannot write the output\n", stderr);
            return kExitUnreadable;
        }
        return status;
    } catch (const CommandFailure& failure) {
        std::fprintf(stderr, "kavelo-config: %s\n", failure.what());
        return failure.exitCode;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "kavelo-config: %s\n", error.what());
        return kExitUnreadable;
    }
}
