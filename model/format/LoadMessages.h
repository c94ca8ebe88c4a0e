// Why a configuration file was refused, in the words the user sees: the
// settings window's alert and the command-line program's error both come from
// here, chosen from the firmware and revision numbers that the failed read left.
#pragma once

#include <string>
#include <vector>

namespace load_messages {

// A message as a text with %1-style places and what goes in them, so that
// the settings window can show the text in the user's language.
struct Message {
    const char* text; // static: a marked text, or the system's reason
    std::vector<std::string> arguments;
};
// The message with its places filled, in English.
std::string filled(const Message& message);

// failureMessage() and unreadableReason() as messages; the window translates
// them under the context "LoadMessages".
Message failure(int revisionNumber, int firmwareNumber);
Message unreadable(const std::string& path);

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
