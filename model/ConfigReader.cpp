// Reading the configuration file: keyword search, bracketed values, the custom
// white-balance triples, and the whole read with its refusals.
#include "CNumbers.h"
#include "KaveloConfigParser.h"
#include "KeywordSearch.h"
#include "TextScan.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kDateTimeSetting = 1;
constexpr int kFirstGainSetting = 50;

void reportMissingKeyword(const char* keyword) {
    std::fprintf(stderr, "Problem parsing file: %s keyword not found!!!\n", keyword);
}

// The value between `source` and the next "]" on the line, as a range of the
// text; false when the line has no "]".
bool findBracketedValue(const char* source, const char* end, const char** valueEnd) {
    const char* close = findOnLine(source, end, ']');
    if (close == nullptr)
        return false;
    *valueEnd = close;
    return true;
}

// Where each single-value setting is found: its keyword's n-th occurrence.
// Video mode 2 repeats video mode 1's keywords, and "Movie Time Lapse Record"
// also begins the "... Customized Value" keyword, so video mode 2's time-lapse
// line is that keyword's third occurrence.
struct SettingLookup {
    int first;
    int last;
    long occurrence;
};
constexpr SettingLookup kLookupsBeforeGains[] = {
    {0, 0, 1}, {2, 2, 1}, {3, 14, 1}, {15, 16, 2}, {17, 17, 3}, {18, 26, 2}, {27, 49, 1},
};
constexpr SettingLookup kLookupsAfterGains[] = {{59, 63, 1}};

// The value after the keyword's n-th occurrence, each search starting after
// the previous one's "[".
bool valueOf(const SearchKey& key, const char* text, long length, int* destination,
             long occurrence) {
    if (occurrence < 1)
        return false;
    long position = 0;
    for (long n = 0; n < occurrence; ++n) {
        const int offset = searchOffset(key, text + position, length - position);
        if (offset < 0)
            return false;
        position += offset;
    }
    const char* valueEnd = nullptr;
    if (!findBracketedValue(text + position, text + length, &valueEnd))
        return false;
    // Converted in place: a value of any length reads like atoi on its whole text.
    *destination = convertInteger(text + position, valueEnd);
    return true;
}

// How often a file that changes while it is read is read again.
constexpr int kReadAttempts = 5;

bool sameTime(const timespec& a, const timespec& b) {
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

// Reads `size` bytes from the start of the file; answers how many it got.
long readAt(int descriptor, char* buffer, long size) {
    long got = 0;
    while (got < size) {
        const ssize_t n =
            pread(descriptor, buffer + got, static_cast<std::size_t>(size - got), got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        got += static_cast<long>(n);
    }
    return got;
}

// Whether `text`, read from the file after `before` was measured, is the
// whole file as it stands: a program that rewrites it in place meanwhile
// changes its size or its times, or the bytes of a second read. A write
// stamps the file before it copies its bytes, so a read inside one write
// sees no new times; the second read therefore waits for a write still
// under way, which holds the file's lock that a seek for data takes on
// Linux (ext4, tmpfs, btrfs; elsewhere the seek is only a seek).
bool heldStill(int descriptor, const struct stat& before, const char* text, long size) {
    char again[kMaxFileSize > 0 ? kMaxFileSize : 1];
    struct stat after;
#if defined(SEEK_DATA)
    if (lseek(descriptor, 0, SEEK_DATA) < 0) {
        // an empty file, or no such seek here: the check goes on without it
    }
#endif
    if (readAt(descriptor, again, size) != size ||
        std::memcmp(again, text, static_cast<std::size_t>(size)) != 0 ||
        fstat(descriptor, &after) != 0)
        return false;
#if defined(__APPLE__)
    return after.st_size == before.st_size && sameTime(after.st_mtimespec, before.st_mtimespec) &&
           sameTime(after.st_ctimespec, before.st_ctimespec);
#else
    return after.st_size == before.st_size && sameTime(after.st_mtim, before.st_mtim) &&
           sameTime(after.st_ctim, before.st_ctim);
#endif
}

} // namespace

int KaveloConfigParser::searchKeywordOffset(const char* keyword, const char* text,
                                            long length) const {
    return searchOffset(searchKeyOf(keyword), text, length);
}

bool KaveloConfigParser::getStringInsideSquareBrackets(const char* source, char* destination,
                                                       const char* end) const {
    const char* valueEnd = nullptr;
    if (!findBracketedValue(source, end, &valueEnd))
        return false;
    copyCut(destination, kTextSize, source, valueEnd);
    return true;
}

bool KaveloConfigParser::getValueForKeyword(const char* keyword, const char* text, long length,
                                            int* destination, long occurrence) const {
    return valueOf(searchKeyOf(keyword), text, length, destination, occurrence);
}

bool KaveloConfigParser::readCustomWhiteBalances(const char* text, long length) {
    const char* end = text + length;
    long position = 0;
    for (int triple = 0; triple < 3; ++triple) {
        const int red = kFirstGainSetting + 3 * triple;
        for (int colour = 0; colour < 3; ++colour) {
            const int setting = red + colour;
            const char* keyword = configKeywords[setting];
            const int offset =
                searchOffset(settingKey(setting), text + position, length - position);
            if (offset < 0) {
                // The gain keeps its value and the search goes on from here.
                reportMissingKeyword(keyword);
                continue;
            }
            const char* value = text + position + offset;
            // Red and green move the position on; blue is only read, so the
            // next triple's red gain is searched from after the green gain.
            if (colour != 2)
                position += offset;
            const char* valueEnd = nullptr;
            if (findBracketedValue(value, end, &valueEnd)) {
                cameraValues[setting] = convertInteger(value, valueEnd);
            } else {
                reportMissingKeyword(keyword);
                cameraValues[setting] = 0;
            }
        }
    }
    return true;
}

bool KaveloConfigParser::readConfigFile(const char* path) {
    // Binary mode: the size measured below must be the number of bytes read.
    FILE* stream = std::fopen(path, "rb");
    if (stream == nullptr)
        return false;
    return parseConfigFile(stream);
}

bool KaveloConfigParser::parseConfigFile(FILE* stream) {
    // What the stream still holds unwritten belongs to the file.
    std::fflush(stream);
    // Only a regular file has a size that can be measured and trusted; its
    // size is where a seek to its end would land.
    const int descriptor = fileno(stream);
    struct stat status;
    long size = -1;
    char* buffer = nullptr;
    long got = 0;
    for (int attempt = 1;; ++attempt) {
        size = -1;
        if (descriptor >= 0 && fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode) &&
            status.st_size <= LONG_MAX)
            size = static_cast<long>(status.st_size);
        if (size < 0) {
            std::fputs("Problem reading file !!!\n", stderr);
            std::fclose(stream);
            return false;
        }
        if (size > kMaxFileSize) {
            std::fclose(stream);
            return false;
        }
        // Exactly the file's size, so that no scan can read past the text unseen.
        buffer = static_cast<char*>(std::malloc(size > 0 ? static_cast<std::size_t>(size) : 1));
        if (buffer == nullptr) {
            std::fputs("Problem allocating memory buffer !!!\n", stderr);
            std::fclose(stream);
            return false;
        }
        // From the start of the file, wherever the stream stands, straight into
        // the buffer: one system call for the whole file where the stream would
        // add a seek and a copy.
        got = readAt(descriptor, buffer, size);
        // A file that changed as it was read may hold half of each text: it
        // is read again, and refused if it never holds still.
        if (descriptor < 0 || (got == size && heldStill(descriptor, status, buffer, size)))
            break;
        std::free(buffer);
        buffer = nullptr;
        if (attempt == kReadAttempts) {
            got = -1;
            break;
        }
    }
    std::fclose(stream);
    if (got != size) {
        std::fputs("Problem reading file !!!\n", stderr);
        std::free(buffer);
        return false;
    }
    const bool loaded = parseText(buffer, size);
    std::free(buffer);
    return loaded;
}

bool KaveloConfigParser::parseText(const char* text, long length) {
    std::memset(firmwareString, 0, sizeof firmwareString);
    if (!getFirmwareString(text, length, firmwareString)) {
        std::fputs("Problem parsing file: Firmware version not found !!!\n", stderr);
        return false;
    }
    std::memset(revisionString, 0, sizeof revisionString);
    if (!getRevisionString(text, length, revisionString)) {
        std::fputs("Problem parsing file: Revision version not found !!!\n", stderr);
        return false;
    }
    if (!checkFirmwareAndRevision()) {
        std::fputs("Firmware or revision not supported !!!\n", stderr);
        return false;
    }
    if (!readCameraTime(text, length)) {
        std::fputs("Problem parsing file: Date not found or format not correct !!!\n", stderr);
        return false;
    }
    auto readSettings = [&](const SettingLookup& lookup) {
        for (int setting = lookup.first; setting <= lookup.last; ++setting) {
            if (!valueOf(settingKey(setting), text, length, &cameraValues[setting],
                         lookup.occurrence))
                reportMissingKeyword(configKeywords[setting]);
        }
    };
    for (const SettingLookup& lookup : kLookupsBeforeGains)
        readSettings(lookup);
    readCustomWhiteBalances(text, length);
    for (const SettingLookup& lookup : kLookupsAfterGains)
        readSettings(lookup);
    return true;
}

// The "Date time" line's value becomes the camera time; a file without that
// line keeps the earlier text. False only when the line has no closing "]".
bool KaveloConfigParser::readCameraTime(const char* text, long length) {
    const int offset = searchOffset(settingKey(kDateTimeSetting), text, length);
    if (offset < 0)
        return true;
    const char* value = text + offset;
    const char* valueEnd = nullptr;
    if (!findBracketedValue(value, text + length, &valueEnd))
        return false;
    std::memset(cameraTime, 0, sizeof cameraTime);
    copyCut(cameraTime, sizeof cameraTime, value, valueEnd); // cut to 255 bytes: it is only shown
    return true;
}
