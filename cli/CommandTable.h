// The commands of kavelo-config, each declared once: its name, the function
// that runs it, its operands and the options it takes. The command-line
// parser, the dispatcher, the usage lines and the shell completion all read
// this table.
#pragma once

#include <string>
#include <vector>

struct CommandLine;

// What an operand names, as the shell completion offers it.
enum class Operand { File, Name, Assignment };

enum CommandOption : unsigned {
    kJson = 1,
    kRaw = 2,
    kKeepClock = 4,
    kInPlace = 8,
    kDryRun = 16,
    kAllCameras = 32
};

struct OperandSlot {
    const char* word; // as the usage line shows it: "FILE", "SRC", "NAME=VALUE"
    Operand kind;
};

struct Command {
    const char* name;
    int (*run)(const CommandLine& line);
    std::vector<OperandSlot> operands; // in order
    bool lastRepeats;                  // any number of the last operand, at least one
    unsigned options;                  // CommandOption bits
    const char* summary;               // what it does, in lines for --help
};

struct OptionName {
    const char* name;
    CommandOption option;
};

// Every command, in the order of --help; every option.
const std::vector<Command>& commands();
const std::vector<OptionName>& commandOptions();

// The command of that name, or nullptr.
const Command* findCommand(const std::string& name);

// "set FILE NAME=VALUE... [--raw] [--keep-clock]"
std::string usageOf(const Command& command);

// The names of the options the command takes: "--raw", "--keep-clock".
std::vector<std::string> optionNamesOf(const Command& command);

// The commands as --help lists them: each usage line, and its summary beside
// it or below it.
std::string commandSummaries();
