#include "CommandLine.h"

#include "ExitCodes.h"

namespace {

enum Option : unsigned { kJson = 1, kRaw = 2, kKeepClock = 4 };

struct CommandShape {
    const char* name;
    std::size_t minOperands;
    std::size_t maxOperands;
    unsigned options;
    const char* usage;
};

constexpr std::size_t kMany = static_cast<std::size_t>(-1);

const CommandShape kCommands[] = {
    {"show", 1, 1, kJson, "show FILE [--json]"},
    {"get", 2, kMany, 0, "get FILE NAME..."},
    {"set", 2, kMany, kRaw | kKeepClock, "set FILE NAME=VALUE... [--raw] [--keep-clock]"},
    {"sync-clock", 1, 1, 0, "sync-clock FILE"},
    {"copy", 2, 2, kKeepClock, "copy SRC DST [--keep-clock]"},
    {"check", 1, 1, 0, "check FILE"},
    {"cameras", 0, 0, kJson, "cameras [--json]"},
};

struct OptionName {
    const char* name;
    Option option;
};
const OptionName kOptions[] = {{"--json", kJson}, {"--raw", kRaw}, {"--keep-clock", kKeepClock}};

[[noreturn]] void usageError(const std::string& message) {
    throw CommandFailure(kExitUsage, message + "\nTry 'kavelo-config --help'.");
}

const CommandShape* findCommand(const std::string& name) {
    for (const CommandShape& shape : kCommands) {
        if (name == shape.name)
            return &shape;
    }
    return nullptr;
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
    const CommandShape* shape = findCommand(line.command);
    if (shape == nullptr)
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
        for (const OptionName& candidate : kOptions) {
            if (argument == candidate.name)
                option = &candidate;
        }
        if (option == nullptr)
            usageError("unknown option '" + argument + "'");
        if ((shape->options & option->option) == 0)
            usageError(line.command + " takes no option " + argument + "; usage: kavelo-config " +
                       shape->usage);
        given |= option->option;
    }
    line.json = (given & kJson) != 0;
    line.raw = (given & kRaw) != 0;
    line.keepClock = (given & kKeepClock) != 0;

    const std::size_t count = line.operands.size();
    if (count < shape->minOperands || count > shape->maxOperands)
        usageError("usage: kavelo-config " + std::string(shape->usage));
    return line;
}

std::vector<std::string> commandUsages() {
    std::vector<std::string> usages;
    for (const CommandShape& shape : kCommands)
        usages.emplace_back(shape.usage);
    return usages;
}
