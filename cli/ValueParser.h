// Turning the text after "NAME=" into what the user asks for: a value as the
// file stores it, or, for a video mode's resolution and frame rate, the
// columns of the window's groups that the user would click.
#pragma once

#include "SettingNames.h"

#include <string>

struct Request {
    enum Kind {
        Value,      // store this value
        Resolution, // choose these resolution / field-of-view columns (-1: leave that group)
        FrameRate,  // choose this frame-rate code (column + 1)
    };
    Kind kind = Value;
    int value = 0;
    int resolutionColumn = -1;
    int fieldOfViewColumn = -1;
};

// Throws a value-refused CommandFailure for a text that names no value of the
// target. Whether the window offers the value is decided when it is applied.
Request parseValue(const Target& target, const std::string& text);

// Parses a whole decimal 32-bit number, sign allowed; false for anything else.
bool parseInteger(const std::string& text, int* value);
