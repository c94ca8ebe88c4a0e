// Writes the fuzzer's seed corpus: configuration files made by the model's own
// writer with varied settings and identifiers, and small edits of that output
// (line ends, a missing line, odd values, the size limit) that reach the
// reader's tolerances and refusals.
//
//   make_corpus DIRECTORY
#include "ConfigFileText.h"
#include "KaveloConfigParser.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

std::string gScratch;

// 6 December 2026, 22:30:05: a fixed moment keeps the corpus reproducible.
std::tm savedAt() {
    std::tm moment{};
    moment.tm_year = 2026 - 1900;
    moment.tm_mon = 11;
    moment.tm_mday = 6;
    moment.tm_hour = 22;
    moment.tm_min = 30;
    moment.tm_sec = 5;
    return moment;
}

bool writeFile(const std::string& path, const std::string& bytes) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && ok;
}

std::string written(const KaveloConfigParser& config) {
    return configFileText(config, savedAt());
}

// The identification can only come from a file: the writer's text for the
// defaults, with the two identifiers put in its trailer, read back. The read
// keeps the identifiers even where it refuses them as unsupported.
KaveloConfigParser identified(const std::string& firmware, const std::string& revision) {
    KaveloConfigParser config;
    std::string text = written(config);
    const std::string emptyTrailer = "\n{}\n{}\n";
    text.replace(text.size() - emptyTrailer.size(), emptyTrailer.size(),
                 "\n{" + firmware + "}\n{" + revision + "}\n");
    writeFile(gScratch, text);
    config.readConfigFile(gScratch.c_str());
    return config;
}

KaveloConfigParser typical() {
    return identified("KAVELO v2.15", "HW v003");
}

KaveloConfigParser withSetting(KaveloConfigParser config, int index, int value) {
    config.setCameraValue(index, value);
    return config;
}

std::string replaceAll(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

std::string replaceFirst(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    if (at != std::string::npos)
        text.replace(at, from.size(), to);
    return text;
}

// Removes the whole line that begins with `start`.
std::string withoutLine(std::string text, const std::string& start) {
    const std::size_t at = text.find("\n" + start);
    if (at != std::string::npos)
        text.erase(at + 1, text.find('\n', at + 1) - at);
    return text;
}

std::string withoutBlock(std::string text, const std::string& from, const std::string& to) {
    const std::size_t begin = text.find(from);
    const std::size_t end = text.find(to, begin);
    text.erase(begin, end - begin);
    return text;
}

// Lengthens the text to `size` bytes with a line of filler before the trailer.
std::string paddedTo(std::string text, std::size_t size) {
    const std::size_t trailer = text.rfind("\n{", text.rfind("\n{") - 1);
    const std::size_t filler = size - text.size();
    text.insert(trailer + 1, std::string(filler - 1, '#') + "\n");
    return text;
}

KaveloConfigParser varied() {
    KaveloConfigParser config = identified("KAVELO v2.20", "HW v003");
    // Values a user can choose, different between the two video modes.
    const int values[kSettingCount] = {
        2,   1,   1,                                             // head
        5,   1,   3,   7,   0,   1,   1,   1,   0,   2, 1, 1,    // video mode 1
        2,   4,   8,   3,   1,   0,   0,   0,   1,   0, 0, 0,    // video mode 2
        2,   4,   5,   1,   0,                                   // photo mode
        0,   2,   1,   1,   1,   0,   1,   1,   0,   1, 1, 2, 1, // power .. TV display ratio
        1,   1,   3,   2,   6,                                   // card format .. white balance
        100, 999, 512, 300, 256, 120, 999, 100, 101,             // custom gains
        4,   -6,  6,   -3,  2,                                   // picture adjustments
    };
    for (int index = 0; index < kSettingCount; ++index)
        config.setCameraValue(index, values[index]);
    return config;
}

// Every value at its longest, both identifiers at 255 bytes: the largest file
// the writer makes.
KaveloConfigParser longest() {
    const std::string firmware = std::string(249, 'F') + " v2.25";
    const std::string revision = std::string(250, 'R') + " v003";
    KaveloConfigParser config = identified(firmware, revision);
    for (int index = 0; index < kSettingCount; ++index)
        config.setCameraValue(index, INT_MIN);
    // A date line is longer than any value in its place.
    config.setCameraValue(kDateFormat, 0);
    config.setCameraValue(kDateTime, 1);
    return config;
}

struct Seed {
    const char* name;
    std::function<std::string()> bytes;
};

std::vector<Seed> seeds() {
    const std::string base = written(typical());
    return {
        // Straight from the writer
        {"typical.txt", [=] { return base; }},
        {"date-day-first.txt", [] { return written(withSetting(typical(), kDateFormat, 1)); }},
        {"date-month-first.txt", [] { return written(withSetting(typical(), kDateFormat, 2)); }},
        {"date-unknown-format.txt", [] { return written(withSetting(typical(), kDateFormat, 3)); }},
        {"date-placeholder.txt", [] { return written(withSetting(typical(), kDateTime, 0)); }},
        {"varied.txt", [] { return written(varied()); }},
        {"longest.txt", [] { return written(longest()); }},
        {"firmware-2.17.txt", [] { return written(identified("KAVELO v2.17", "HW v003")); }},
        {"firmware-2.18.txt", [] { return written(identified("KAVELO v2.18", "HW v003")); }},
        {"firmware-2.1.txt", [] { return written(identified("KAVELO v2.1", "HW v003")); }},
        {"firmware-2.25.txt", [] { return written(identified("KAVELO v2.25", "HW v003")); }},
        {"firmware-2.26.txt", [] { return written(identified("KAVELO v2.26", "HW v003")); }},
        {"firmware-2.09.txt", [] { return written(identified("KAVELO v2.09", "HW v003")); }},
        {"revision-2.txt", [] { return written(identified("KAVELO v2.15", "HW v002")); }},
        {"revision-3a.txt", [] { return written(identified("KAVELO v2.15", "HW v3a")); }},
        {"firmware-without-v.txt", [] { return written(identified("KAVELO 2.15", "HW v003")); }},
        {"empty-identifiers.txt", [] { return written(KaveloConfigParser()); }},
        // Edits of the writer's output
        {"crlf.txt", [=] { return replaceAll(base, "\n", "\r\n"); }},
        {"crlf-first-half.txt",
         [=] {
             const std::size_t half = base.find("\nPHOTO MODE");
             return replaceAll(base.substr(0, half), "\n", "\r\n") + base.substr(half);
         }},
        {"without-led.txt", [=] { return withoutLine(base, "LED="); }},
        {"without-video-mode-2.txt",
         [=] { return withoutBlock(base, "\nVIDEO MODE 2\n", "\nPHOTO MODE\n"); }},
        {"without-date-line.txt", [=] { return withoutLine(base, "Date time="); }},
        {"date-unclosed.txt", [=] { return replaceFirst(base, "22:30:05];", "22:30:05;"); }},
        {"odd-values.txt",
         [=] {
             std::string text = replaceFirst(base, "Movie Sound=[1]", "Movie Sound=[ 7]");
             text = replaceFirst(text, "Movie Flip=[0]", "Movie Flip=[7x]");
             text = replaceFirst(text, "Power on=[1]", "Power on=[x]");
             text = replaceFirst(text, "LED=[1]", "LED=[]");
             return replaceFirst(text, "Contrast=[0]", "Contrast=[-3]");
         }},
        {"gains-unclosed.txt",
         [=] {
             return replaceFirst(base, "1 Red Gain=[256],Green Gain=[256],Blue Gain=[256];",
                                 "1 Red Gain=[256,Green Gain=[256,Blue Gain=[256;");
         }},
        {"gains-without-green.txt",
         [=] {
             return replaceFirst(base, "1 Red Gain=[256],Green Gain=[256]", "1 Red Gain=[256]");
         }},
        {"identifiers-one-line.txt", [=] { return replaceFirst(base, "}\n{", "}{"); }},
        {"identifiers-nested.txt", [=] { return replaceFirst(base, "\n{KAVELO", "\n{{KAVELO"); }},
        {"without-trailer.txt", [=] { return base.substr(0, base.rfind("\n\n{") + 1); }},
        {"size-7000.txt", [=] { return paddedTo(base, 7000); }},
        {"size-7001.txt", [=] { return paddedTo(base, 7001); }},
        {"empty.txt", [] { return std::string(); }},
    };
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DIRECTORY\n", argv[0]);
        return 2;
    }
    const std::string directory = argv[1];
    char scratch[] = "/tmp/kavelo-corpus-XXXXXX";
    const int fd = mkstemp(scratch);
    if (fd < 0)
        return 1;
    close(fd);
    gScratch = scratch;
    // The reader's diagnostics about the identifiers it refuses are expected.
    std::freopen("/dev/null", "w", stderr);
    int failures = 0;
    for (const Seed& seed : seeds()) {
        if (!writeFile(directory + "/" + seed.name, seed.bytes())) {
            std::printf("cannot write %s\n", seed.name);
            ++failures;
        }
    }
    unlink(gScratch.c_str());
    return failures == 0 ? 0 : 1;
}
