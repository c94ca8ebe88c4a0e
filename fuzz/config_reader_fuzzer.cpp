// Fuzzes the configuration reader through its whole read path (a real file, the
// size limit, identification, every keyword search) and checks that what the
// writer makes of a loaded file reads back to the same settings and
// identification.
#include "CameraRules.h"
#include "ConfigFileText.h"
#include "KaveloConfigParser.h"

#include <sanitizer/common_interface_defs.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string gDirectory;
std::string gInputPath;
std::string gSavedPath;
KaveloConfigParser gStart; // the object every input is read into

// 6 December 2026, 22:30:05 UTC: a fixed moment, so that the date line of a
// save equals the one in the text built for comparison.
std::time_t fixedClock() {
    return 1796596205;
}

[[noreturn]] void fail(const char* what, int index = -1) {
    char message[160];
    std::snprintf(message, sizeof message, "config_reader_fuzzer: %s %d", what, index);
    std::fprintf(stderr, "%s\n", message);
    // With -close_fd_mask=2 stderr is gone; the sanitizer's report still
    // reaches libFuzzer's output.
    __sanitizer_report_error_summary(message);
    std::abort();
}

bool writeBytes(const std::string& path, const void* data, std::size_t size) {
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (fd < 0)
        return false;
    const bool ok = write(fd, data, size) == static_cast<ssize_t>(size);
    return close(fd) == 0 && ok;
}

std::string readBytes(const std::string& path) {
    std::string bytes;
    if (FILE* file = std::fopen(path.c_str(), "rb")) {
        char chunk[4096];
        std::size_t n;
        while ((n = std::fread(chunk, 1, sizeof chunk, file)) > 0)
            bytes.append(chunk, n);
        std::fclose(file);
    }
    return bytes;
}

void removeScratch() {
    unlink(gInputPath.c_str());
    unlink(gSavedPath.c_str());
    rmdir(gDirectory.c_str());
}

// Every save flushes to the device; on tmpfs that costs nothing. The fuzz
// script names a directory that it removes afterwards, since a finding ends
// the process before it can clean up.
std::string scratchParent() {
    const char* chosen = std::getenv("KAVELO_FUZZ_SCRATCH");
    if (chosen != nullptr && *chosen != '\0')
        return chosen;
    struct stat status;
    if (stat("/dev/shm", &status) == 0 && S_ISDIR(status.st_mode) && access("/dev/shm", W_OK) == 0)
        return "/dev/shm";
    const char* tmp = std::getenv("TMPDIR");
    return tmp != nullptr && *tmp != '\0' ? tmp : "/tmp";
}

// A loaded file with a value in every setting that no default has, a firmware
// that writes every line, and a camera time: a refused read must visibly keep
// all of them, and a missing line must keep its setting.
void loadStartObject() {
    KaveloConfigParser config;
    for (int index = 0; index < kSettingCount; ++index)
        config.setCameraValue(index, 1000 + index);
    config.setCameraValue(kDateTime, 0);
    // The identification can only come from a file: the writer's text with
    // the identifiers put in its trailer, and the card-format line that the
    // writer leaves out while it knows no firmware.
    std::string text = configFileText(config, std::tm{});
    const std::string emptyTrailer = "\n{}\n{}\n";
    text.replace(text.size() - emptyTrailer.size(), emptyTrailer.size(),
                 "\n{KAVELO v2.20}\n{HW v003}\n");
    text.insert(text.find("Motion Detect="), "TF card format filesystem=[1045];\n");
    if (!writeBytes(gInputPath, text.data(), text.size()) ||
        !gStart.readConfigFile(gInputPath.c_str()))
        fail("the start file does not load");
}

// The text between the brackets of the written date line, or, where the writer
// wrote none, the camera time that a read leaves as it was.
std::string expectedCameraTime(const std::string& written, const KaveloConfigParser& before) {
    const std::string opening = "\nDate time=[";
    const std::size_t start = written.find(opening);
    if (start == std::string::npos)
        return before.getCameraTime();
    const std::size_t value = start + opening.size();
    return written.substr(value, written.find(']', value) - value);
}

// The round trip is promised only where the format carries everything back:
// - Each number comes from the bytes after the last "v" before its identifier's
//   closing brace. When an identifier holds no "v", that search runs on into
//   whatever precedes the brace: a byte of the loaded file that the writer does
//   not reproduce. So both identifiers must hold a "v".
// - Setting 45 is not written for firmware up to 2.17, so a reread may find
//   its keyword anywhere, even inside an identifier text.
// - Setting 1 is never read, and the camera time is never written back (the
//   writer makes its own date line); both are checked against what a reread
//   must leave instead.
// - For a date format it does not know, the writer writes no date line. The
//   reread's search for "Date time" then runs on into the identifier texts,
//   and finds the keyword where one of them holds it.
bool roundTripPromised(const KaveloConfigParser& loaded, const std::string& written) {
    const char* firmware = loaded.getFirmwareString();
    const char* revision = loaded.getRevisionString();
    if (std::strchr(firmware, 'v') == nullptr || std::strchr(revision, 'v') == nullptr)
        return false;
    const char* dateKeyword = configKeywords[kDateTime];
    return written.find(std::string("\n") + dateKeyword + "=[") != std::string::npos ||
           (std::strstr(firmware, dateKeyword) == nullptr &&
            std::strstr(revision, dateKeyword) == nullptr);
}

void checkRoundTrip(const KaveloConfigParser& loaded) {
    const std::string text = configFileText(loaded, currentLocalTime());
    if (static_cast<long>(text.size()) > kMaxFileSize)
        fail("the writer's text is larger than a file may be", static_cast<int>(text.size()));
    if (!loaded.writeConfigFile(gSavedPath.c_str()))
        fail("the save failed");
    if (readBytes(gSavedPath) != text)
        fail("the saved file differs from the writer's text");

    // A copy, with every setting that the file carries moved off its value, so
    // that a line the reread misses cannot pass for one it read.
    KaveloConfigParser reread = loaded;
    for (int index = 0; index < kSettingCount; ++index) {
        if (index != kDateTime)
            reread.setCameraValue(index, loaded.getCameraValue(index) ^ 0x5a5a5a5a);
    }
    const KaveloConfigParser beforeReread = reread;
    const bool readBack = reread.readConfigFile(gSavedPath.c_str());

    if (!roundTripPromised(loaded, text))
        return;
    if (!readBack)
        fail("the saved file does not load");
    if (std::strcmp(reread.getFirmwareString(), loaded.getFirmwareString()) != 0)
        fail("firmware text");
    if (std::strcmp(reread.getRevisionString(), loaded.getRevisionString()) != 0)
        fail("revision text");
    if (reread.getFirmwareNumber() != loaded.getFirmwareNumber())
        fail("firmware number", reread.getFirmwareNumber());
    if (reread.getRevisionNumber() != loaded.getRevisionNumber())
        fail("revision number", reread.getRevisionNumber());
    if (expectedCameraTime(text, beforeReread) != reread.getCameraTime())
        fail("camera time");
    const bool cardFormatWritten = rules::firmwareWrites(kCardFormat, loaded.getFirmwareNumber());
    for (int index = 0; index < kSettingCount; ++index) {
        if (index == kCardFormat && !cardFormatWritten)
            continue;
        if (reread.getCameraValue(index) != loaded.getCameraValue(index))
            fail("setting", index);
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    std::string pattern = scratchParent() + "/kavelo-fuzz-XXXXXX";
    if (mkdtemp(&pattern[0]) == nullptr)
        fail("no scratch directory");
    gDirectory = pattern;
    gInputPath = gDirectory + "/input.txt";
    gSavedPath = gDirectory + "/saved.txt";
    std::atexit(removeScratch);
    setClockForTesting(fixedClock);
    loadStartObject();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (!writeBytes(gInputPath, data, size))
        fail("cannot write the input file");
    KaveloConfigParser config = gStart;
    // Both kinds of date line: the placeholder and the clock's date, in the
    // format that the file's "Date format" chooses.
    config.setCameraValue(kDateTime, static_cast<int>(size % 2));
    const KaveloConfigParser before = config;

    if (!config.readConfigFile(gInputPath.c_str())) {
        // A refused file changes no setting and not the camera time.
        for (int index = 0; index < kSettingCount; ++index) {
            if (config.getCameraValue(index) != before.getCameraValue(index))
                fail("a refused file changed setting", index);
        }
        if (std::strcmp(config.getCameraTime(), before.getCameraTime()) != 0)
            fail("a refused file changed the camera time");
        return 0;
    }
    if (config.getCameraValue(kDateTime) != before.getCameraValue(kDateTime))
        fail("a read changed the date-time switch");
    checkRoundTrip(config);
    return 0;
}
