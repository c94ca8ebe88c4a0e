#include "CommandTable.h"

#include "Commands.h"

const std::vector<Command>& commands() {
    static const std::vector<Command> all = {
        {"show",
         runShow,
         {{"FILE", Operand::File}},
         false,
         kJson,
         "identification, camera time and every setting, with\n"
         "its name, value and meaning"},
        {"get",
         runGet,
         {{"FILE", Operand::File}, {"NAME", Operand::Name}},
         true,
         0,
         "the value of each named setting, one per line"},
        {"set",
         runSet,
         {{"FILE", Operand::File}, {"NAME=VALUE", Operand::Assignment}},
         true,
         kRaw | kKeepClock | kInPlace,
         "change settings and save the file"},
        {"sync-clock",
         runSyncClock,
         {{"FILE", Operand::File}},
         false,
         kInPlace,
         "save the file with this computer's time as the\n"
         "camera's new clock, nothing else changed"},
        {"copy",
         runCopy,
         {{"SRC", Operand::File}, {"DST", Operand::File}},
         true,
         kKeepClock | kInPlace | kDryRun | kAllCameras,
         "give each file DST (or, with --all-cameras, every\n"
         "connected camera's but SRC) the settings of the file\n"
         "SRC, keeping each DST's firmware and revision\n"
         "(settings SRC lacks keep DST's values); each saved\n"
         "file is read back and compared"},
        {"check",
         runCheck,
         {{"FILE", Operand::File}},
         false,
         0,
         "report what would stop the camera or the window:\n"
         "unsupported identification, missing keywords, values\n"
         "no control offers, resolution and frame rate that do\n"
         "not go together, clip lengths too long for loop\n"
         "recording"},
        {"cameras",
         runCameras,
         {},
         false,
         kJson,
         "the cameras connected now: every mounted card that\n"
         "holds a camera's configuration file at its top"},
    };
    return all;
}

const std::vector<OptionName>& commandOptions() {
    static const std::vector<OptionName> all = {
        {"--json", kJson},        {"--raw", kRaw},        {"--keep-clock", kKeepClock},
        {"--in-place", kInPlace}, {"--dry-run", kDryRun}, {"--all-cameras", kAllCameras}};
    return all;
}

const Command* findCommand(const std::string& name) {
    for (const Command& command : commands()) {
        if (name == command.name)
            return &command;
    }
    return nullptr;
}

std::vector<std::string> optionNamesOf(const Command& command) {
    std::vector<std::string> names;
    for (const OptionName& option : commandOptions()) {
        if ((command.options & option.option) != 0)
            names.emplace_back(option.name);
    }
    return names;
}

std::string usageOf(const Command& command) {
    std::string usage = command.name;
    for (const OperandSlot& operand : command.operands)
        usage += std::string(" ") + operand.word;
    if (command.lastRepeats)
        usage += "...";
    for (const std::string& option : optionNamesOf(command))
        usage += " [" + option + "]";
    return usage;
}

std::string commandSummaries() {
    const std::string indent(25, ' ');
    std::string text;
    for (const Command& command : commands()) {
        const std::string usage = "  " + usageOf(command);
        // The summary starts in column 26, beside a short usage or below a long one.
        text += usage.size() + 2 <= indent.size()
                    ? usage + std::string(indent.size() - usage.size(), ' ')
                    : usage + "\n" + indent;
        for (const char* c = command.summary; *c != '\0'; ++c) {
            text += *c;
            if (*c == '\n')
                text += indent;
        }
        text += '\n';
    }
    return text;
}
