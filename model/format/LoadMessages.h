// Why a configuration file was refused, in the words the user sees: the
// settings window's alert and the command-line program's error both come from
// here, chosen from the firmware and revision numbers that the failed read left.
#pragma once

#include <string>

namespace load_messages {

// The reason for a refused load, naming the identification that the reader
// supports (rules::kFirstSupportedFirmware and its kin). Firmware versions are shown with a decimal
// point whatever the locale: 230 shows as "v2.30".
std::string failureMessage(int revisionNumber, int firmwareNumber);

// Why the file at `path` cannot be read as a configuration file before its
// text is looked at: the system's reason, not a regular file, or larger than
// the largest configuration file; empty when it can be read.
std::string unreadableReason(const std::string& path);

// A firmware number as its version text with two decimals: 217 gives "2.17".
std::string firmwareVersionText(int firmwareNumber);

} // namespace load_messages
