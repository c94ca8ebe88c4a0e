// The names by which the command line addresses the camera's settings: one
// stable, unique name per setting (video mode 2 and the custom white-balance
// triples get their own names although the file repeats their keywords), and
// the field of view of each video mode, which the file keeps inside the
// resolution code.
#pragma once

#include <string>

namespace rules {
struct VideoMode;
}

// Name of setting 0..63.
const char* settingName(int index);

// What a name on the command line stands for.
struct Target {
    enum Kind { Setting, FieldOfView };
    Kind kind;
    int setting; // for FieldOfView: the mode's resolution setting
    std::string name;
};

// Finds a name (letter case ignored) or an index 0..63. False if neither.
bool findTarget(const std::string& text, Target* target);
// findTarget that throws a usage CommandFailure for an unknown name.
Target requireTarget(const std::string& text);

// The video mode whose resolution or frame-rate setting this is, or nullptr.
const rules::VideoMode* videoModeOfCode(int setting);
