// kavelo-config: the command-line companion of Kavelo Manager.
#include "CommandLine.h"
#include "CommandTable.h"
#include "ExitCodes.h"
#include "HelpText.h"
#include "Version.h"

#include <cstdio>
#include <exception>
#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>
#endif
#include <string>
#include <vector>

namespace {

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
    const Command* command = findCommand(line.command);
    return command != nullptr ? command->run(line) : kExitUsage;
}

} // namespace

int main(int argc, char** argv) {
#if defined(_WIN32)
    // Line ends as the program writes them: scripts compare the output with
    // what the Linux build prints. (Arguments and paths are UTF-8: see the
    // program's manifest.)
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
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
