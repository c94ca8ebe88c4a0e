// Words for settings and values, shared by show, the notes of set, check and
// --help.
#pragma once

#include <string>

class KaveloConfigParser;

// What the value that the setting holds means to the camera's owner: the
// window's caption, "" where the number speaks for itself, or a remark in
// parentheses where the window offers no choice for it.
std::string meaningOf(const KaveloConfigParser& config, int setting);

// "3 (1280x720 wide)", or just "3" where the value has no caption.
std::string valueWithMeaning(const KaveloConfigParser& config, int setting);

// What a setting takes: "0=Off, 1=On", or "100 to 999".
std::string describeValues(int setting);

// Whether the file that a save writes for this configuration has a line for
// the setting.
bool settingIsWritten(const KaveloConfigParser& config, int setting);
