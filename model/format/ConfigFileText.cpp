#include "ConfigFileText.h"

#include "CameraRules.h"
#include "KaveloConfigParser.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>

namespace {

std::time_t systemClock() {
    return std::time(nullptr);
}
ClockFunction gClock = systemClock;

void appendf(std::string& out, const char* format, ...) {
    char line[1024]; // longest line: three 35-byte keywords and three 11-digit values
    va_list arguments;
    va_start(arguments, format);
    const int length = std::vsnprintf(line, sizeof line, format, arguments);
    va_end(arguments);
    if (length > 0)
        out.append(line, std::min(static_cast<std::size_t>(length), sizeof line - 1));
}

void appendSetting(std::string& out, const KaveloConfigParser& config, int index) {
    appendf(out, "%s=[%d];\n", configKeywords[index], config.getCameraValue(index));
}

// The three gains of a custom white balance on one line, from its red gain.
void appendGainTriple(std::string& out, const KaveloConfigParser& config, int red) {
    appendf(out, "%s=[%d],%s=[%d],%s=[%d];\n", configKeywords[red], config.getCameraValue(red),
            configKeywords[red + 1], config.getCameraValue(red + 1), configKeywords[red + 2],
            config.getCameraValue(red + 2));
}

void appendDateLine(std::string& out, const KaveloConfigParser& config, const std::tm& now) {
    if (config.getCameraValue(kDateTime) == 0) {
        // Split: compilers still warn of "??/" and "??-" as trigraphs.
        out += "Date time=[????"
               "/??"
               "/??"
               "-??"
               ":??"
               ":??];\n\n";
        return;
    }
    const int format = config.getCameraValue(kDateFormat);
    if (!dateFormatHasLine(format))
        return; // a date format the camera does not know: no date line at all
    const int year = now.tm_year + 1900;
    const int month = now.tm_mon + 1;
    switch (format) {
    case 0:
        appendf(out, "Date time=[%04d/%02d/%02d-%02d:%02d:%02d];\n\n", year, month, now.tm_mday,
                now.tm_hour, now.tm_min, now.tm_sec);
        break;
    case 1:
        appendf(out, "Date time=[%02d/%02d/%04d-%02d:%02d:%02d];\n\n", now.tm_mday, month, year,
                now.tm_hour, now.tm_min, now.tm_sec);
        break;
    default: // 2
        appendf(out, "Date time=[%02d/%02d/%04d-%02d:%02d:%02d];\n\n", month, now.tm_mday, year,
                now.tm_hour, now.tm_min, now.tm_sec);
        break;
    }
}

} // namespace

bool dateFormatHasLine(int dateFormat) {
    return dateFormat >= 0 && dateFormat <= 2;
}

void setClockForTesting(ClockFunction clock) {
    gClock = clock != nullptr ? clock : systemClock;
}

std::tm currentLocalTime() {
    const std::time_t now = gClock();
    std::tm local{};
#if defined(_WIN32)
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return local;
}

std::string configFileText(const KaveloConfigParser& config, const std::tm& localNow) {
    std::string out;
    out.reserve(2048);
    Section section = Section::Head;
    for (int setting = 0; setting < kSettingCount; ++setting) {
        const SettingRow& row = settingRow(setting);
        if (row.section != section) {
            section = row.section;
            if (const char* header = sectionHeader(section))
                out += std::string("\n") + header + "\n";
        }
        switch (row.line) {
        case FileLine::DateLine:
            appendDateLine(out, config, localNow);
            break;
        case FileLine::Gain:
            if ((setting - kCustom1Red) % 3 == 0)
                appendGainTriple(out, config, setting);
            break;
        case FileLine::Setting:
            if (rules::firmwareWrites(setting, config.getFirmwareNumber()))
                appendSetting(out, config, setting);
            break;
        }
    }
    appendf(out, "\n{%s}\n{%s}\n", config.getFirmwareString(), config.getRevisionString());
    return out;
}
