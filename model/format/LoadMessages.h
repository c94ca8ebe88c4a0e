// Why a configuration file was refused, in the words the user sees: the
// settings window's alert and the command-line program's error both come from
// here, chosen from the firmware and revision numbers that the failed read left.
#pragma once

#include "CameraRules.h"

#include <string>

namespace load_messages {

// The identification the messages name as supported: firmware 2.10 to 2.25
// (as the firmware number, version times 100) and revision 3. The messages
// keep their own figures, which must name what the reader accepts.
constexpr int kFirstFirmware = 210;
constexpr int kLastFirmware = 225;
constexpr int kRevision = 3;
static_assert(kFirstFirmware == rules::kFirstSupportedFirmware &&
                  kLastFirmware == rules::kLastSupportedFirmware &&
                  kRevision == rules::kSupportedRevision,
              "the refusal messages name the supported identification");

// The reason for a refused load. Firmware versions are shown with a decimal
// point whatever the locale: 230 shows as "v2.30".
std::string failureMessage(int revisionNumber, int firmwareNumber);

// A firmware number as its version text with two decimals: 217 gives "2.17".
std::string firmwareVersionText(int firmwareNumber);

} // namespace load_messages
