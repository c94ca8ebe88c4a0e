// The names by which the command line addresses the camera's settings: the
// name of each setting in the settings table, the field of view of each video
// mode (which the file keeps inside the resolution code), the names of
// earlier versions, and the window's captions.
#pragma once

#include <string>

// What a name on the command line stands for.
struct Target {
    enum Kind { Setting, FieldOfView };
    Kind kind;
    int setting; // for FieldOfView: the mode's resolution setting
    std::string name;
};

// Finds a setting by its name, an earlier name or a window caption (letter
// case, blanks and punctuation ignored for captions), or by its index 0..63.
// False if none matches, or a caption names more than one setting.
bool findTarget(const std::string& text, Target* target);

// findTarget that throws a usage CommandFailure for an unknown name, with the
// nearest name when one is close.
Target requireTarget(const std::string& text);
