#include "SettingNames.h"

#include "ExitCodes.h"
#include "Settings.h"
#include "TextMatch.h"

#include <algorithm>
#include <vector>

namespace {

// Every way to name a target, with the name it is shown by.
struct Spelling {
    std::string text; // as typed, in lower case; a caption's normalized letters
    bool caption;
    Target target;
};

std::vector<Spelling> allSpellings() {
    std::vector<Spelling> all;
    auto add = [&all](const char* text, bool caption, const Target& target) {
        if (text != nullptr)
            all.push_back({caption ? normalizedWords(text) : lowerCase(text), caption, target});
    };
    for (int i = 0; i < kSettingCount; ++i) {
        const SettingRow& row = settingRow(i);
        const Target target{Target::Setting, i, settingName(i)};
        add(settingName(i).c_str(), false, target);
        add(row.formerName, false, target);
        add(row.caption, true, target);
    }
    for (const FieldOfViewRow& row : kFieldOfViewRows) {
        const Target target{Target::FieldOfView, row.resolution, fieldOfViewName(row)};
        add(target.name.c_str(), false, target);
        add(row.formerName, false, target);
        add(row.caption, true, target);
    }
    return all;
}

const std::vector<Spelling>& spellings() {
    static const std::vector<Spelling> all = allSpellings();
    return all;
}

bool isIndex(const std::string& text, int* index) {
    if (text.empty() || text.size() > 2)
        return false;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + (c - '0');
    }
    if (value >= kSettingCount)
        return false;
    *index = value;
    return true;
}

// The targets a caption names; several where the window shows the same
// caption twice (each video mode has its "Resolution").
std::vector<Target> captionMatches(const std::string& text) {
    std::vector<Target> found;
    const std::string wanted = normalizedWords(text);
    for (const Spelling& spelling : spellings()) {
        if (spelling.caption && !wanted.empty() && spelling.text == wanted)
            found.push_back(spelling.target);
    }
    return found;
}

} // namespace

bool findTarget(const std::string& text, Target* target) {
    int index = 0;
    if (isIndex(text, &index)) {
        *target = {Target::Setting, index, settingName(index)};
        return true;
    }
    const std::string name = lowerCase(text);
    for (const Spelling& spelling : spellings()) {
        if (!spelling.caption && spelling.text == name) {
            *target = spelling.target;
            return true;
        }
    }
    const std::vector<Target> captions = captionMatches(text);
    if (captions.size() != 1)
        return false;
    *target = captions.front();
    return true;
}

Target requireTarget(const std::string& text) {
    Target target;
    if (findTarget(text, &target))
        return target;
    const std::vector<Target> captions = captionMatches(text);
    if (captions.size() > 1) {
        std::string names;
        for (const Target& each : captions)
            names += (names.empty() ? "" : " or ") + each.name;
        throw CommandFailure(kExitUsage, "'" + text + "' is the window's name of " +
                                             std::to_string(captions.size()) + " settings; name " +
                                             names);
    }
    std::string message = "unknown setting '" + text + "'";
    const std::string typed = lowerCase(text);
    std::size_t best = typed.size() / 3 + 1; // more edits than this are no typo
    std::string nearest;
    for (const Spelling& spelling : spellings()) {
        if (spelling.caption)
            continue;
        const std::size_t distance = editDistance(typed, spelling.text);
        if (distance < best) {
            best = distance;
            nearest = spelling.target.name;
        }
    }
    if (!nearest.empty())
        message += " (did you mean '" + nearest + "'?)";
    throw CommandFailure(kExitUsage, message + "; 'kavelo-config --help' lists the names");
}
