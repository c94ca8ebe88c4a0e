// Writes the bash completion of kavelo-config: the completion logic of the
// template with the program's commands, options, setting names and value
// words put in at the line "@KAVELO_CONFIG_WORDS@".
//   kavelo-config-completion TEMPLATE OUTPUT
#include "CommandTable.h"
#include "CompletionWords.h"

#include <cstdio>
#include <exception>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

const char kMarker[] = "@KAVELO_CONFIG_WORDS@";

// The words go between single quotes; none of them may hold one.
std::string quoted(const std::vector<std::string>& words) {
    std::string text;
    for (const std::string& word : words) {
        if (word.find_first_of("' \t\n") != std::string::npos)
            throw std::runtime_error("cannot complete the word '" + word + "'");
        text += (text.empty() ? "" : " ") + word;
    }
    return "'" + text + "'";
}

const char* operandWord(Operand operand) {
    switch (operand) {
    case Operand::File:
        return "file";
    case Operand::Name:
        return "name";
    case Operand::Assignment:
        return "assignment";
    }
    return "";
}

// A case label for a setting: its name, and its index as the command line
// takes it (one or two digits).
std::string labels(const SettingWords& setting) {
    std::string text;
    if (setting.index >= 0) {
        text += std::to_string(setting.index) + " | ";
        if (setting.index < 10)
            text += "0" + std::to_string(setting.index) + " | ";
    }
    return text + setting.name;
}

std::string words() {
    const std::vector<SettingWords> settings = settingWords();
    std::ostringstream out;

    std::vector<std::string> commandNames;
    for (const Command& command : commands())
        commandNames.push_back(command.name);
    out << "_kavelo_config_commands=" << quoted(commandNames) << "\n";

    std::vector<std::string> names;
    for (const SettingWords& setting : settings)
        names.push_back(setting.name);
    out << "_kavelo_config_names=" << quoted(names) << "\n\n";

    out << "# The operands of a command in order; \"...\" after the last: it repeats.\n"
           "_kavelo_config_operands() {\n    case $1 in\n";
    for (const Command& command : commands()) {
        std::vector<std::string> operands;
        for (const OperandSlot& operand : command.operands)
            operands.emplace_back(operandWord(operand.kind));
        if (command.lastRepeats && !operands.empty())
            operands.back() += "...";
        out << "    " << command.name << ") echo " << quoted(operands) << " ;;\n";
    }
    out << "    esac\n}\n\n";

    out << "# The options a command takes.\n_kavelo_config_options() {\n    case $1 in\n";
    for (const Command& command : commands()) {
        const std::vector<std::string> options = optionNamesOf(command);
        if (!options.empty())
            out << "    " << command.name << ") echo " << quoted(options) << " ;;\n";
    }
    out << "    esac\n}\n\n";

    out << "# The value words of a setting, named by its name or its index.\n"
           "_kavelo_config_values() {\n    case ${1,,} in\n";
    for (const SettingWords& setting : settings) {
        if (!setting.values.empty())
            out << "    " << labels(setting) << ") echo " << quoted(setting.values) << " ;;\n";
    }
    out << "    esac\n}";
    return out.str();
}

void generate(const char* templatePath, const char* outputPath) {
    std::ifstream in(templatePath);
    if (!in)
        throw std::runtime_error(std::string("cannot read ") + templatePath);
    std::ostringstream text;
    bool marked = false;
    for (std::string line; std::getline(in, line);) {
        if (line == kMarker) {
            text << words() << "\n";
            marked = true;
        } else {
            text << line << "\n";
        }
    }
    if (!marked)
        throw std::runtime_error(std::string(templatePath) + " has no line " + kMarker);
    std::ofstream out(outputPath);
    out << text.str();
    out.close();
    if (!out)
        throw std::runtime_error(std::string("cannot write ") + outputPath);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("usage: kavelo-config-completion TEMPLATE OUTPUT\n", stderr);
        return 2;
    }
    try {
        generate(argv[1], argv[2]);
        return 0;
    } catch (const std::exception& problem) {
        std::fprintf(stderr, "kavelo-config-completion: %s\n", problem.what());
        std::remove(argv[2]);
        return 1;
    }
}
