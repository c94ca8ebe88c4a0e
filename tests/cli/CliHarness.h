// Running the built kavelo-config on files that the tests write.
#pragma once

#include "KaveloConfigParser.h"
#include "TestFiles.h"

#include <string>
#include <vector>

// The date text of the placeholder date line, split so that no "??/" or
// "??-" reads as a trigraph.
constexpr char kPlaceholderDate[] = "????"
                                    "/??"
                                    "/??"
                                    "-??"
                                    ":??"
                                    ":??";

struct RunResult {
    int status; // exit status, or -1 when the program did not exit normally
    std::string out;
    std::string err;
};

// Runs the program with these arguments. `fileSizeLimit` > 0 caps the size
// of any file the program writes, so that a save fails even for root;
// SIGXFSZ then has its default action.
RunResult runProgram(const std::vector<std::string>& arguments, long fileSizeLimit = 0);

// A setting and its value.
struct SettingValue {
    int index;
    int value;
};

// The text our writer produces for the default settings changed by `edits`,
// with the placeholder date line and these identifier texts.
std::string configText(const std::vector<SettingValue>& edits = {},
                       const std::string& firmware = "KAVELO_FW v2.20",
                       const std::string& revision = "HW v003");

// `text` without the line that starts with `keyword`.
std::string withoutLine(const std::string& text, const std::string& keyword);

// Reads a file the program wrote back into a parser; fails the test if the
// file is refused.
KaveloConfigParser readBack(const std::string& path);
