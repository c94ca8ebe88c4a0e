#include "TestFiles.h"

#include <cstdio>

#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <ftw.h>
#include <sstream>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace {

int removeEntry(const char* path, const struct stat*, int, struct FTW*) {
    return remove(path);
}

// Every test sees the same local time zone.
const bool kUtc = [] {
    setenv("TZ", "UTC", 1);
    tzset();
    return true;
}();

} // namespace

ScratchDirectory::ScratchDirectory() {
    char pattern[] = "/tmp/kavelo-test-XXXXXX";
    if (mkdtemp(pattern) == nullptr)
        throw std::runtime_error("cannot create a scratch directory");
    path_ = pattern;
}

ScratchDirectory::~ScratchDirectory() {
    nftw(path_.c_str(), removeEntry, 16, FTW_DEPTH | FTW_PHYS);
}

std::string ScratchDirectory::write(const std::string& name, const std::string& content) const {
    const std::string target = file(name);
    writeWholeFile(target, content);
    return target;
}

int ScratchDirectory::entryCount() const {
    int count = 0;
    DIR* directory = opendir(path_.c_str());
    while (const dirent* entry = readdir(directory)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..")
            ++count;
    }
    closedir(directory);
    return count;
}

int saveTemporariesIn(const std::string& directory) {
    int count = 0;
    DIR* listing = opendir(directory.c_str());
    if (listing == nullptr)
        return -1;
    while (const dirent* entry = readdir(listing)) {
        if (std::string(entry->d_name).rfind(".kavelo-save-", 0) == 0)
            ++count;
    }
    closedir(listing);
    return count;
}

std::string readWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

void writeWholeFile(const std::string& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
}

std::string identificationOnly(const std::string& firmware, const std::string& revision) {
    return "\n{" + firmware + "}\n{" + revision + "}\n";
}

bool readFromMemory(KaveloConfigParser& parser, const std::string& text, ReadReport* report) {
    (void)kUtc;
    if (text.empty())
        throw std::invalid_argument("a memory stream cannot be empty; write an empty file");
    std::string buffer = text;
    FILE* stream = fmemopen(buffer.data(), buffer.size(), "r");
    if (stream == nullptr)
        throw std::runtime_error("cannot open a memory stream");
    ReadReport ownReport;
    ReadReport& read = report != nullptr ? *report : ownReport;
    read.toStandardError = false;
    return parser.parseConfigFile(stream, read);
}

KaveloConfigParser parserIdentifiedAs(const std::string& firmware, const std::string& revision) {
    KaveloConfigParser parser;
    if (!readFromMemory(parser, identificationOnly(firmware, revision)))
        throw std::runtime_error("identification refused: " + firmware + " / " + revision);
    return parser;
}

void useScratchHome() {
    static ScratchDirectory home;
    setenv("HOME", home.path().c_str(), 1);
    const struct {
        const char* variable;
        const char* folder;
    } folders[] = {{"XDG_CONFIG_HOME", "config"},
                   {"XDG_DATA_HOME", "data"},
                   {"XDG_CACHE_HOME", "cache"},
                   {"XDG_STATE_HOME", "state"},
                   {"XDG_RUNTIME_DIR", "runtime"}};
    for (const auto& each : folders) {
        const std::string path = home.file(each.folder);
        mkdir(path.c_str(), 0700);
        setenv(each.variable, path.c_str(), 1);
    }
}

std::tm fixedMoment() {
    std::tm moment{};
    moment.tm_year = 2026 - 1900;
    moment.tm_mon = 11;
    moment.tm_mday = 6;
    moment.tm_hour = 9;
    moment.tm_min = 5;
    moment.tm_sec = 7;
    return moment;
}

std::time_t fixedClock() {
    std::tm moment = fixedMoment();
    return timegm(&moment);
}

std::string firstLineOfCommand(const std::string& command) {
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return {};
    char line[512] = {};
    const bool read = std::fgets(line, sizeof line, pipe) != nullptr;
    pclose(pipe);
    std::string text = read ? line : "";
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.pop_back();
    return text;
}

bool isMountedAt(const std::string& where) {
    std::ifstream table("/proc/self/mounts");
    std::string device, point, rest;
    while (table >> device >> point && std::getline(table, rest)) {
        if (point == where)
            return true;
    }
    return false;
}
