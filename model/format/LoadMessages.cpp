#include "LoadMessages.h"

#include "CameraRules.h"

#include "KaveloConfigParser.h"

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

std::string failureMessage(int revisionNumber, int firmwareNumber) {
    const std::string first = "v" + firmwareVersionText(rules::kFirstSupportedFirmware);
    const std::string last = "v" + firmwareVersionText(rules::kLastSupportedFirmware);
    if (revisionNumber != rules::kSupportedRevision)
        return "Camera revision not supported! \nActually supported only revision v00" +
               std::to_string(rules::kSupportedRevision);
    if (firmwareNumber < rules::kFirstSupportedFirmware)
        return "Camera firmware too old! \nSupported from version " + first + " to " + last;
    if (firmwareNumber <= rules::kLastSupportedFirmware)
        return "Unknown file format!";
    return "Firmware v" + firmwareVersionText(firmwareNumber) +
           " not supported!\nKavelo Manager needs to be updated! \nSupported from version " +
           first + " to " + last;
}

std::string unreadableReason(const std::string& path) {
    struct stat status;
    if (stat(path.c_str(), &status) != 0)
        return std::strerror(errno);
    if (!S_ISREG(status.st_mode))
        return "not a regular file";
    if (status.st_size > kMaxFileSize)
        return "larger than " + std::to_string(kMaxFileSize) +
               " bytes, so no camera configuration file";
    FILE* probe = std::fopen(path.c_str(), "rb");
    if (probe == nullptr)
        return std::strerror(errno);
    std::fclose(probe);
    return std::string();
}

} // namespace load_messages
