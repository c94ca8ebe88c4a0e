#include "CommandLine.h"

#include "CommandTable.h"
#include "ExitCodes.h"

namespace {

[[noreturn]] void usageError(const std::string& message) {
    throw CommandFailure(kExitUsage, message + "\nTry 'kavelo-config --help'.");
}

} // namespace

CommandLine parseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine line;
    // --help and --version win wherever they stand, so that they always work.
    for (const std::string& argument : arguments) {
        if (argument == "--")
            break;
        if (argument == "--help" || argument == "-h")
            line.help = true;
        else if (argument == "--version" || argument == "-V")
            line.version = true;
    }
    if (line.help || line.version)
        return line;
    if (arguments.empty())
        usageError("no command given");

    line.command = arguments[0];
    const Command* command = findCommand(line.command);
    if (command == nullptr)
        usageError("unknown command '" + line.command + "'");

    unsigned given = 0;
    bool optionsEnded = false;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (!optionsEnded && argument == "--") {
            optionsEnded = true;
            continue;
        }
        if (optionsEnded || argument.size() < 2 || argument.compare(0, 1, "-") != 0) {
            line.operands.push_back(argument);
            continue;
        }
        const OptionName* option = nullptr;
        for (const OptionName& candidate : commandOptions()) {
            if (argument == candidate.name)
                option = &candidate;
        }
        if (option == nullptr)
            usageError("unknown option '" + argument + "'");
        if ((command->options & option->option) == 0)
            usageError(line.command + " takes no option " + argument + "; usage: kavelo-config " +
                       usageOf(*command));
        given |= option->option;
    }
    line.json = (given & kJson) != 0;
    line.raw = (given & kRaw) != 0;
    line.keepClock = (given & kKeepClock) != 0;
    line.inPlace = (given & kInPlace) != 0;
    line.dryRun = (given & kDryRun) != 0;
    line.allCameras = (given & kAllCameras) != 0;

    const std::size_t count = line.operands.size();
    // The connected cameras stand in for the last operand.
    const std::size_t least = command->operands.size() - (line.allCameras ? 1 : 0);
    if (count < least || (count > least && !command->lastRepeats))
        usageError("usage: kavelo-config " + usageOf(*command));
    return line;
}
