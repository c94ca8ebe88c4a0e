#include "LoadMessages.h"

#include "CameraRules.h"

#include "KaveloConfigParser.h"
#include "ShownText.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>

namespace load_messages {

std::string firmwareVersionText(int firmwareNumber) {
    // Integer arithmetic gives what "%.2f" of number / 100.0 gives in the C
    // locale, without depending on the process locale's decimal separator.
    const long long number = firmwareNumber;
    const long long magnitude = std::llabs(number);
    char text[32];
    std::snprintf(text, sizeof text, "%s%lld.%02lld", number < 0 ? "-" : "", magnitude / 100,
                  magnitude % 100);
    return text;
}

Message failure(int revisionNumber, int firmwareNumber) {
    const std::string first = "v" + firmwareVersionText(rules::kFirstSupportedFirmware);
    const std::string last = "v" + firmwareVersionText(rules::kLastSupportedFirmware);
    if (revisionNumber != rules::kSupportedRevision)
        return {SHOWN_TEXT("LoadMessages", "Camera revision not supported! \nActually supported "
                                           "only revision v00%1"),
                {std::to_string(rules::kSupportedRevision)}};
    if (firmwareNumber < rules::kFirstSupportedFirmware)
        return {SHOWN_TEXT("LoadMessages",
                           "Camera firmware too old! \nSupported from version %1 to %2"),
                {first, last}};
    if (firmwareNumber <= rules::kLastSupportedFirmware)
        return {SHOWN_TEXT("LoadMessages", "Unknown file format!"), {}};
    return {SHOWN_TEXT("LoadMessages", "Firmware v%1 not supported!\nKavelo Manager needs to be "
                                       "updated! \nSupported from version %2 to %3"),
            {firmwareVersionText(firmwareNumber), first, last}};
}

std::string filled(const Message& message) {
    std::string text;
    for (const char* c = message.text; *c != '\0'; ++c) {
        const std::size_t place = c[0] == '%' && c[1] >= '1' && c[1] <= '9'
                                      ? static_cast<std::size_t>(c[1] - '1')
                                      : message.arguments.size();
        if (place < message.arguments.size()) {
            text += message.arguments[place];
            ++c;
        } else {
            text += *c;
        }
    }
    return text;
}

std::string failureMessage(int revisionNumber, int firmwareNumber) {
    return filled(failure(revisionNumber, firmwareNumber));
}

Message unreadable(const std::string& path) {
    struct stat status;
    if (stat(path.c_str(), &status) != 0)
        return {"%1", {std::strerror(errno)}};
    if (!S_ISREG(status.st_mode))
        return {SHOWN_TEXT("LoadMessages", "not a regular file"), {}};
    if (status.st_size > kMaxFileSize)
        return {SHOWN_TEXT("LoadMessages", "larger than %1 bytes, so no camera configuration file"),
                {std::to_string(kMaxFileSize)}};
    FILE* probe = std::fopen(path.c_str(), "rb");
    if (probe == nullptr)
        return {"%1", {std::strerror(errno)}};
    std::fclose(probe);
    return {"", {}};
}

std::string unreadableReason(const std::string& path) {
    return filled(unreadable(path));
}

} // namespace load_messages
