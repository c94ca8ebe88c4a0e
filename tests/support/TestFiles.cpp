#include "TestFiles.h"

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <sys/stat.h>
#ifdef _WIN32
#include <direct.h>
#include <random>
#else
#include <unistd.h>
#endif

namespace {

void setVariable(const char* name, const std::string& value) {
#ifdef _WIN32
    _putenv_s(name, value.c_str());
#else
    setenv(name, value.c_str(), 1);
#endif
}

// Every test sees the same local time zone.
const bool kUtc = [] {
    setVariable("TZ", "UTC");
    tzset();
    return true;
}();

} // namespace

#ifdef _WIN32
// In the user's temporary folder, as a name the tests pass on as UTF-8.
ScratchDirectory::ScratchDirectory() {
    std::random_device random;
    const std::filesystem::path parent = std::filesystem::temp_directory_path();
    for (int attempt = 0; attempt < 100 && path_.empty(); ++attempt) {
        const std::filesystem::path folder = parent / ("kavelo-test-" + std::to_string(random()));
        if (std::filesystem::create_directory(folder))
            path_ = folder.u8string();
    }
    if (path_.empty())
        throw std::runtime_error("cannot create a scratch directory");
}
#else
ScratchDirectory::ScratchDirectory() {
    char pattern[] = "/tmp/kavelo-test-XXXXXX";
    if (mkdtemp(pattern) == nullptr)
        throw std::runtime_error("cannot create a scratch directory");
    path_ = pattern;
}
#endif

ScratchDirectory::~ScratchDirectory() {
    std::error_code ignored;
    std::filesystem::remove_all(std::filesystem::u8path(path_), ignored);
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

bool makeFolder(const std::string& path) {
#ifdef _WIN32
    return _mkdir(path.c_str()) == 0;
#else
    return mkdir(path.c_str(), 0700) == 0;
#endif
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
#ifdef _WIN32
    // No memory streams here: a scratch file holding the text.
    static ScratchDirectory folder;
    FILE* stream = std::fopen(folder.write("memory.txt", text).c_str(), "rb");
#else
    std::string buffer = text;
    FILE* stream = fmemopen(buffer.data(), buffer.size(), "r");
#endif
    if (stream == nullptr)
        throw std::runtime_error("cannot open a memory stream");
    ReadReport ownReport;
    ReadReport& read = report != nullptr ? *report : ownReport;
    read.toStandardError = false;
    return parser.parseConfigFile(stream, read); // the read closes the stream
}

KaveloConfigParser parserIdentifiedAs(const std::string& firmware, const std::string& revision) {
    KaveloConfigParser parser;
    if (!readFromMemory(parser, identificationOnly(firmware, revision)))
        throw std::runtime_error("identification refused: " + firmware + " / " + revision);
    return parser;
}

void useScratchHome() {
    static ScratchDirectory home;
    setVariable("HOME", home.path());
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
        makeFolder(path);
        setVariable(each.variable, path);
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
#ifdef _WIN32
    return _mkgmtime(&moment);
#else
    return timegm(&moment);
#endif
}

std::string firstLineOfCommand(const std::string& command) {
#ifdef _WIN32
    FILE* pipe = _popen(command.c_str(), "r");
#else
    FILE* pipe = popen(command.c_str(), "r");
#endif
    if (pipe == nullptr)
        return {};
    char line[512] = {};
    const bool read = std::fgets(line, sizeof line, pipe) != nullptr;
#ifdef _WIN32
    _pclose(pipe);
#else
    pclose(pipe);
#endif
    std::string text = read ? line : "";
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.pop_back();
    return text;
}

bool useGermanLocale() {
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "German_Germany.1252", "de-DE"})
        if (std::setlocale(LC_ALL, name) != nullptr)
            return true;
    return false;
}

bool isMountedAt(const std::string& where) {
#ifdef _WIN32
    (void)where;
    return false; // the tests mount nothing there
#else
    std::ifstream table("/proc/self/mounts");
    std::string device, point, rest;
    while (table >> device >> point && std::getline(table, rest)) {
        if (point == where)
            return true;
    }
    return false;
#endif
}
