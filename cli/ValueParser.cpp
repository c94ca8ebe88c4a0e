#include "ValueParser.h"

#include "CameraRules.h"
#include "Describe.h"
#include "ExitCodes.h"
#include "KaveloConfigParser.h"
#include "SettingChoices.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>

namespace {

// The frame rates of the frame-rate group's columns, so that "60" means 60 fps.
constexpr int kFramesPerSecond[] = {60, 50, 30, 25};

// Letters and digits only, in lower case: "1280x720 Wide", "1280x720-wide"
// and "1280X720_WIDE" all read "1280x720wide", and "Rotated 180°" "rotated180".
std::string normalized(const std::string& text) {
    std::string out;
    for (char c : text) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (u < 0x80 && std::isalnum(u))
            out += static_cast<char>(std::tolower(u));
    }
    return out;
}

// Index of the caption that the text names, or -1.
template <int N> int findCaption(const char* const (&captions)[N], const std::string& text) {
    const std::string wanted = normalized(text);
    for (int i = 0; i < N; ++i) {
        if (!wanted.empty() && normalized(captions[i]) == wanted)
            return i;
    }
    return -1;
}

// A value of a setting with captions, named by its caption; false if none.
bool findSettingCaption(int setting, const std::string& text, int* value) {
    const choices::SettingChoices& offered = choices::forSetting(setting);
    if (offered.captions == nullptr)
        return false;
    const std::string wanted = normalized(text);
    for (int v = offered.minimum; v <= offered.maximum; ++v) {
        if (!wanted.empty() && normalized(offered.captions[v - offered.minimum]) == wanted) {
            *value = v;
            return true;
        }
    }
    return false;
}

// Words beside the captions: "on" and "off" for the clock switch, whose
// captions are long sentences.
struct Alias {
    int setting;
    const char* word;
    int value;
};
const Alias kAliases[] = {{1, "off", 0}, {1, "on", 1}};

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
    request.resolutionColumn = findCaption(choices::kResolutionCaptions, text);
    if (request.resolutionColumn < 0)
        refuse(target, text, describeValues(target.setting) + ", or 1920x1080, 1280x720, 848x480");
    return request;
}

Request parseFieldOfView(const Target& target, const std::string& text) {
    Request request;
    request.kind = Request::Resolution;
    request.fieldOfViewColumn = findCaption(choices::kFieldOfViewCaptions, text);
    if (request.fieldOfViewColumn < 0)
        refuse(target, text, "wide or narrow");
    return request;
}

Request parseFrameRate(const Target& target, const std::string& text) {
    Request request;
    request.kind = Request::FrameRate;
    int number = 0;
    if (parseInteger(text, &number)) {
        request.value = number;
        for (int column = 0; column < 4; ++column) {
            if (number == kFramesPerSecond[column])
                request.value = column + 1;
        }
        return request;
    }
    const int column = findCaption(choices::kFrameRateCaptions, text);
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
    if (setting == rules::kVideoMode1.resolution || setting == rules::kVideoMode2.resolution)
        return parseResolution(target, text);
    if (setting == rules::kVideoMode1.frameRate || setting == rules::kVideoMode2.frameRate)
        return parseFrameRate(target, text);

    Request request;
    if (parseInteger(text, &request.value) || findSettingCaption(setting, text, &request.value))
        return request;
    for (const Alias& alias : kAliases) {
        if (alias.setting == setting && normalized(text) == alias.word) {
            request.value = alias.value;
            return request;
        }
    }
    refuse(target, text, describeValues(setting));
}
