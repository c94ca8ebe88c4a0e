// What the shell completion of kavelo-config offers: the commands with their
// operands and options, and every name of a setting with the words of its
// values. All of it comes from the command line's own tables, and every value
// word is one that the command line's value parser takes.
#pragma once

#include <string>
#include <vector>

struct SettingWords {
    std::string name;
    int index; // the number that names the setting too, or -1
    std::vector<std::string> values;
};

// Every name a setting can be given, with its value words. Throws
// std::runtime_error if a word would not be read back as its caption.
std::vector<SettingWords> settingWords();

// A caption as a word that the shell takes without quoting and the value
// parser reads as that caption: "Rotated 180°" gives "rotated-180", "16:9"
// gives "16-9", "Keep the camera's clock" gives "keep-the-cameras-clock".
std::string captionWord(const std::string& caption);
