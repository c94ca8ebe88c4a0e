// Changing settings the way the settings window changes them: the same rules
// for the same change, through the shared rules module.
#pragma once

#include "SettingNames.h"
#include "SettingValues.h"
#include "ValueParser.h"

#include <string>
#include <vector>

class KaveloConfigParser;

// One "NAME=VALUE" of the command line, parsed.
struct Assignment {
    Target target;
    Request request;
};

// Parses "NAME=VALUE". Throws a usage CommandFailure for an unknown name or a
// missing "=", a value-refused one for a value the setting has no name for.
Assignment parseAssignment(const std::string& text);

// Applies one assignment. Without `raw`, a value that the window offers no
// choice for is refused, gains are clamped to what the gain fields accept, and
// the video-mode groups' rules keep resolution and frame rate together. With
// `raw` the value is stored as given. Changes the rules make beyond what was
// asked are described in `notes`. Throws a value-refused CommandFailure, in
// which case `config` may be partly changed and must not be saved.
void applyAssignment(KaveloConfigParser& config, const Assignment& assignment, bool raw,
                     std::vector<std::string>& notes);

// What the window's refresh does after every change: while a video mode
// records in a loop, clip lengths above 1 are lowered to 1.
void applyRefreshRules(KaveloConfigParser& config, std::vector<std::string>& notes);
// The notes of applyRefreshRules for `config`, whose settings were `asked`
// before the rule lowered a clip length.
void noteLoopRecordingLimit(const KaveloConfigParser& config, const SettingValues& asked,
                            std::vector<std::string>& notes);
