#include "CompletionWords.h"

#include "CameraRules.h"
#include "SettingNames.h"
#include "Settings.h"
#include "ValueParser.h"

#include <algorithm>
#include <sstream>
#include <stdexcept>

namespace {

// A name of a setting with the captions of its values, and further words the
// parser may take beside them.
struct NamedCaptions {
    std::string name;
    int index;
    std::vector<std::string> captions; // each must be read back as itself
    std::vector<std::string> maybe;    // kept where the parser takes them
};

// The one place that reads the settings' names and captions: the settings
// table, and the field of view of each video mode.
std::vector<NamedCaptions> namesAndCaptions() {
    std::vector<NamedCaptions> all;
    for (int i = 0; i < kSettingCount; ++i) {
        NamedCaptions entry{settingName(i), i, {}, {"on", "off"}};
        const SettingRow& row = settingRow(i);
        if (row.valueCaptions != nullptr) {
            for (int v = row.minimum; v <= row.maximum; ++v)
                entry.captions.emplace_back(row.valueCaptions[v - row.minimum]);
        }
        const rules::VideoMode* mode = rules::videoModeOf(i);
        if (mode != nullptr && mode->resolution == i) {
            for (const char* caption : kResolutionCaptions)
                entry.captions.emplace_back(caption);
        }
        all.push_back(entry);
    }
    for (const FieldOfViewRow& row : kFieldOfViewRows) {
        NamedCaptions entry{fieldOfViewName(row), -1, {}, {}};
        for (const char* caption : kFieldOfViewCaptions)
            entry.captions.emplace_back(caption);
        all.push_back(entry);
    }
    return all;
}

bool sameRequest(const Request& a, const Request& b) {
    return a.kind == b.kind && a.value == b.value && a.resolutionColumn == b.resolutionColumn &&
           a.fieldOfViewColumn == b.fieldOfViewColumn;
}

bool parses(const Target& target, const std::string& text, Request* request) {
    try {
        *request = parseValue(target, text);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

void addOnce(std::vector<std::string>& words, const std::string& word) {
    if (std::find(words.begin(), words.end(), word) == words.end())
        words.push_back(word);
}

SettingWords wordsOf(const NamedCaptions& entry) {
    const Target target = requireTarget(entry.name);
    SettingWords result{entry.name, entry.index, {}};
    for (const std::string& caption : entry.captions) {
        const std::string word = captionWord(caption);
        Request meant, read;
        if (!parses(target, caption, &meant) || !parses(target, word, &read) ||
            !sameRequest(meant, read))
            throw std::runtime_error(entry.name + ": the word '" + word +
                                     "' does not read back as '" + caption + "'");
        addOnce(result.values, word);
    }
    for (const std::string& word : entry.maybe) {
        Request read;
        if (parses(target, word, &read))
            addOnce(result.values, word);
    }
    return result;
}

} // namespace

std::string captionWord(const std::string& caption) {
    return foldedText(caption, '-', ".", "'");
}

std::vector<SettingWords> settingWords() {
    std::vector<SettingWords> all;
    for (const NamedCaptions& entry : namesAndCaptions())
        all.push_back(wordsOf(entry));
    return all;
}
