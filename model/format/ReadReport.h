// What a read of a configuration file could not find, for its caller: which
// settings the file lacked, and every diagnostic line the read wrote.
#pragma once

#include "Settings.h"

#include <bitset>
#include <string>
#include <vector>

// One line that the read wrote, and the setting whose line the file lacked,
// where that is what the line says (else -1).
struct ReadDiagnostic {
    std::string text;
    int missingSetting = -1;
};
bool operator==(const ReadDiagnostic& a, const ReadDiagnostic& b);

struct ReadReport {
    // Whether each diagnostic also goes to standard error as the read writes it.
    bool toStandardError = true;
    // Settings whose keyword or value the file lacked. They kept their values,
    // but for a custom gain without its closing bracket, which reads as 0.
    std::bitset<kSettingCount> missing;
    std::vector<ReadDiagnostic> messages;

    void add(const std::string& message, int missingSetting = -1);
    void addMissing(int setting, const char* keyword);
};
