#include "ValueParser.h"

#include "CameraRules.h"
#include "Describe.h"
#include "ExitCodes.h"
#include "Settings.h"
#include "TextMatch.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>

namespace {

// Index of the caption that the text names, or -1.
int captionIndex(const char* const* captions, int count, const std::string& text) {
    const std::string wanted = normalizedWords(text);
    for (int i = 0; i < count && !wanted.empty(); ++i) {
        if (normalizedWords(captions[i]) == wanted)
            return i;
    }
    return -1;
}

template <int N> int findCaption(const char* const (&captions)[N], const std::string& text) {
    return captionIndex(captions, N, text);
}

// A value of a setting with captions, named by its caption; false if none.
bool findSettingCaption(int setting, const std::string& text, int* value) {
    const SettingRow& row = settingRow(setting);
    if (row.valueCaptions == nullptr)
        return false;
    const int index = captionIndex(row.valueCaptions, row.maximum - row.minimum + 1, text);
    if (index < 0)
        return false;
    *value = row.minimum + index;
    return true;
}

// Words beside the captions: "on" and "off" for the clock switch, whose
// captions are long sentences.
struct Alias {
    int setting;
    const char* word;
    int value;
};
const Alias kAliases[] = {{kDateTime, "off", 0}, {kDateTime, "on", 1}};

[[noreturn]] void refuse(const Target& target, const std::string& text, const std::string& takes) {
    throw CommandFailure(kExitValueRefused, target.name + ": '" + text +
                                                "' is no value of this setting; it takes " + takes);
}

Request parseResolution(const Target& target, const std::string& text) {
    Request request;
    request.kind = Request::Resolution;
    int number = 0;
    if (parseInteger(text, &number)) {
        if (number < 0 || number > 5) {
            request.kind = Request::Value; // a code no column stands for
            request.value = number;
            return request;
        }
        const rules::ResolutionColumns columns = rules::resolutionColumns(number);
        request.resolutionColumn = columns.resolution;
        request.fieldOfViewColumn = columns.fieldOfView;
        return request;
    }
    int code = 0;
    if (findSettingCaption(target.setting, text, &code)) {
        const rules::ResolutionColumns columns = rules::resolutionColumns(code);
        request.resolutionColumn = columns.resolution;
        request.fieldOfViewColumn = columns.fieldOfView;
        return request;
    }
    request.resolutionColumn = findCaption(kResolutionCaptions, text);
    if (request.resolutionColumn < 0)
        refuse(target, text, describeValues(target.setting) + ", or 1920x1080, 1280x720, 848x480");
    return request;
}

Request parseFieldOfView(const Target& target, const std::string& text) {
    Request request;
    request.kind = Request::Resolution;
    request.fieldOfViewColumn = findCaption(kFieldOfViewCaptions, text);
    if (request.fieldOfViewColumn < 0)
        refuse(target, text, "wide or narrow");
    return request;
}

Request parseFrameRate(const Target& target, const std::string& text) {
    Request request;
    request.kind = Request::FrameRate;
    int number = 0;
    if (parseInteger(text, &number)) {
        // "60" means the column captioned "60 fps"; other numbers are codes.
        request.value = number;
        for (int column = 0; column < 4; ++column) {
            if (number == std::atoi(kFrameRateCaptions[column]))
                request.value = column + 1;
        }
        return request;
    }
    const int column = findCaption(kFrameRateCaptions, text);
    if (column < 0)
        refuse(target, text, describeValues(target.setting));
    request.value = column + 1;
    return request;
}

} // namespace

bool parseInteger(const std::string& text, int* value) {
    if (text.empty() || std::isspace(static_cast<unsigned char>(text[0])))
        return false;
    errno = 0;
    char* end = nullptr;
    const long long number = std::strtoll(text.c_str(), &end, 10);
    if (errno != 0 || end == text.c_str() || *end != '\0' || number < INT_MIN || number > INT_MAX)
        return false;
    *value = static_cast<int>(number);
    return true;
}

Request parseValue(const Target& target, const std::string& text) {
    if (target.kind == Target::FieldOfView)
        return parseFieldOfView(target, text);
    const int setting = target.setting;
    if (const rules::VideoMode* mode = rules::videoModeOf(setting)) {
        if (setting == mode->resolution)
            return parseResolution(target, text);
        if (setting == mode->frameRate)
            return parseFrameRate(target, text);
    }

    Request request;
    if (parseInteger(text, &request.value) || findSettingCaption(setting, text, &request.value))
        return request;
    for (const Alias& alias : kAliases) {
        if (alias.setting == setting && normalizedWords(text) == alias.word) {
            request.value = alias.value;
            return request;
        }
    }
    refuse(target, text, describeValues(setting));
}
