#include "LoadMessages.h"

#include "CameraRules.h"

#include <cstdio>
#include <cstdlib>

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

} // namespace load_messages
