#include "ReadReport.h"

#include <cstdio>

bool operator==(const ReadDiagnostic& a, const ReadDiagnostic& b) {
    return a.text == b.text && a.missingSetting == b.missingSetting;
}

void ReadReport::add(const std::string& message, int missingSetting) {
    messages.push_back({message, missingSetting});
    if (toStandardError)
        std::fputs(message.c_str(), stderr);
}

void ReadReport::addMissing(int setting, const char* keyword) {
    const bool known = setting >= 0 && setting < kSettingCount;
    if (known)
        missing.set(static_cast<std::size_t>(setting));
    add(std::string("Problem parsing file: ") + keyword + " keyword not found!!!\n",
        known ? setting : -1);
}
