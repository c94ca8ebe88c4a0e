#include "ReadReport.h"

#include <cstdio>

void ReadReport::add(const std::string& message) {
    messages.push_back(message);
    if (toStandardError)
        std::fputs(message.c_str(), stderr);
}

void ReadReport::addMissing(int setting, const char* keyword) {
    if (setting >= 0 && setting < kSettingCount)
        missing.set(static_cast<std::size_t>(setting));
    add(std::string("Problem parsing file: ") + keyword + " keyword not found!!!\n");
}
