// Reading the configuration file: keyword search, bracketed values, the custom
// white-balance triples, and the whole read with its refusals.
#include "FileNumbers.h"
#include "FileStamp.h"
#include "KaveloConfigParser.h"
#include "KeywordSearch.h"
#include "LineScan.h"
#include "ReadReport.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace {

// The value between `source` and the next "]" on the line, as a range of the
// text; false when the line has no "]".
bool findBracketedValue(const char* source, const char* end, const char** valueEnd) {
    const char* close = findOnLine(source, end, ']');
    if (close == nullptr)
        return false;
    *valueEnd = close;
    return true;
}

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

// The size a seek to the stream's end gives, back at the start afterwards; -1
// when it cannot be measured. A stream on a descriptor must be a regular
// file: a pipe or a device has no size to trust.
long measuredSize(FILE* stream) {
    const int descriptor = fileno(stream);
    FileStamp stamp;
    if (descriptor >= 0 && (!stampFile(descriptor, &stamp) || !stamp.regular))
        return -1;
    if (std::fseek(stream, 0, SEEK_END) != 0)
        return -1;
    const long size = std::ftell(stream);
    if (size < 0 || std::fseek(stream, 0, SEEK_SET) != 0)
        return -1;
    return size;
}

// Reads the whole stream from its start into a buffer of `size` bytes;
// answers how many it got.
long readWhole(FILE* stream, char* buffer, long size) {
    long got = 0;
    while (got < size) {
        const std::size_t n =
            std::fread(buffer + got, 1, static_cast<std::size_t>(size - got), stream);
        if (n == 0)
            break; // the end, or an error: either way the read is short
        got += static_cast<long>(n);
    }
    return got;
}

// How often a file that changes while it is read is read again.
constexpr int kReadAttempts = 5;

// Whether `text`, read from the file after `before` was taken, is the whole
// file as it stands: a program that rewrites it in place meanwhile changes
// its size or its times, or the bytes of a second read. A write stamps the
// file before it copies its bytes, so a read inside one write sees no new
// times; the second read therefore waits for a write still under way.
bool heldStill(int descriptor, const FileStamp& before, const char* text, long size) {
    char again[kMaxFileSize > 0 ? kMaxFileSize : 1];
    FileStamp after;
    waitForWriteUnderWay(descriptor);
    return readFromStart(descriptor, again, size) == size &&
           std::memcmp(again, text, static_cast<std::size_t>(size)) == 0 &&
           stampFile(descriptor, &after) && after == before;
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
    ReadReport report;
    readCustomWhiteBalances(text, length, report);
    return true;
}

void KaveloConfigParser::readCustomWhiteBalances(const char* text, long length,
                                                 ReadReport& report) {
    const char* end = text + length;
    long position = 0;
    for (int setting = kCustom1Red; setting <= kCustom3Blue; ++setting) {
        const char* keyword = configKeywords[setting];
        const int offset = searchKeywordOffset(keyword, text + position, length - position);
        if (offset < 0) {
            // The gain keeps its value and the search goes on from here.
            report.addMissing(setting, keyword);
            continue;
        }
        const char* value = text + position + offset;
        // Red and green move the position on; blue is only read, so the next
        // triple's red gain is searched from after the green gain.
        const bool blue = (setting - kCustom1Red) % 3 == 2;
        if (!blue)
            position += offset;
        const char* valueEnd = nullptr;
        if (findBracketedValue(value, end, &valueEnd)) {
            cameraValues[setting] = convertInteger(value, valueEnd);
        } else {
            report.addMissing(setting, keyword);
            cameraValues[setting] = 0;
        }
    }
}

bool KaveloConfigParser::readConfigFile(const char* path) {
    ReadReport report;
    return readConfigFile(path, report);
}

bool KaveloConfigParser::readConfigFile(const char* path, ReadReport& report) {
    // Binary mode: the size measured must be the number of bytes read.
    FILE* stream = std::fopen(path, "rb");
    if (stream == nullptr)
        return false;
    return parseConfigFile(stream, report);
}

bool KaveloConfigParser::parseConfigFile(FILE* stream) {
    ReadReport report;
    return parseConfigFile(stream, report);
}

bool KaveloConfigParser::parseConfigFile(FILE* stream, ReadReport& report) {
    const int descriptor = fileno(stream);
    long size = -1;
    char* buffer = nullptr;
    long got = 0;
    for (int attempt = 1;; ++attempt) {
        FileStamp before;
        if (descriptor >= 0 && !stampFile(descriptor, &before))
            before.size = -1; // no size to compare: the file is refused below
        size = descriptor >= 0 && before.size < 0 ? -1 : measuredSize(stream);
        if (size < 0) {
            report.add("Problem reading file !!!\n");
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
            report.add("Problem allocating memory buffer !!!\n");
            std::fclose(stream);
            return false;
        }
        got = readWhole(stream, buffer, size);
        // A file that changed as it was read may hold half of each text: it
        // is read again, and refused if it never holds still. A stream without
        // a descriptor (in memory) cannot change under the read.
        if (descriptor < 0 || (got == size && heldStill(descriptor, before, buffer, size)))
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
        report.add("Problem reading file !!!\n");
        std::free(buffer);
        return false;
    }
    const bool loaded = parseText(buffer, size, report);
    std::free(buffer);
    return loaded;
}

bool KaveloConfigParser::parseText(const char* text, long length, ReadReport& report) {
    std::memset(firmwareString, 0, sizeof firmwareString);
    if (!getFirmwareString(text, length, firmwareString)) {
        report.add("Problem parsing file: Firmware version not found !!!\n");
        return false;
    }
    std::memset(revisionString, 0, sizeof revisionString);
    if (!getRevisionString(text, length, revisionString)) {
        report.add("Problem parsing file: Revision version not found !!!\n");
        return false;
    }
    if (!checkFirmwareAndRevision()) {
        report.add("Firmware or revision not supported !!!\n");
        return false;
    }
    if (!readCameraTime(text, length)) {
        report.add("Problem parsing file: Date not found or format not correct !!!\n");
        return false;
    }
    // In the table's order, which is the file's: the custom gains are read
    // together when their first row comes, and the date line is no setting.
    for (int setting = 0; setting < kSettingCount; ++setting) {
        const SettingRow& row = settingRow(setting);
        switch (row.line) {
        case FileLine::DateLine:
            break;
        case FileLine::Gain:
            if (setting == kCustom1Red)
                readCustomWhiteBalances(text, length, report);
            break;
        case FileLine::Setting:
            if (!getValueForKeyword(configKeywords[setting], text, length, &cameraValues[setting],
                                    row.occurrence))
                report.addMissing(setting, row.keyword);
            break;
        }
    }
    return true;
}

// The "Date time" line's value becomes the camera time; a file without that
// line keeps the earlier text. False only when the line has no closing "]".
bool KaveloConfigParser::readCameraTime(const char* text, long length) {
    const int offset = searchKeywordOffset(configKeywords[kDateTime], text, length);
    if (offset < 0)
        return true;
    // Cut to 255 bytes: it is only shown.
    char time[kTextSize] = {};
    if (!getStringInsideSquareBrackets(text + offset, time, text + length))
        return false;
    std::memcpy(cameraTime, time, sizeof cameraTime);
    return true;
}
