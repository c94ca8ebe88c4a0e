// Firmware and revision identification: the two brace-enclosed identifier
// texts at the end of the file and the version numbers taken from them.
#include "FileNumbers.h"
#include "KaveloConfigParser.h"
#include "LineScan.h"

#include <cstring>

namespace {

constexpr int kNumberTextMax = 15; // the number text is converted from at most 15 bytes

const char* findByte(const char* from, const char* end, char wanted) {
    return static_cast<const char*>(
        std::memchr(from, wanted, static_cast<std::size_t>(end - from)));
}

// Finds the identifier that opens at `open` (a "{" in the text): copies its
// content into `destination` and leaves in `numberText` the bytes between the
// last "v" before the closing brace and that brace. The search for the "v" may
// run back past the opening brace down to the text's second byte.
bool findIdentifier(const char* text, const char* end, const char* open, char* destination,
                    char (&numberText)[kNumberTextMax + 1]) {
    const char* content = open + 1;
    if (content >= end)
        return false;
    const char* close = findOnLongLine(content, end, '}');
    if (close == nullptr)
        return false;
    // A longer identifier would be cut, and one holding a NUL byte would be
    // shortened: either way a save would write it back damaged.
    const std::size_t length = static_cast<std::size_t>(close - content);
    if (length > kTextSize - 1 || std::memchr(content, '\0', length) != nullptr)
        return false;
    std::memcpy(destination, content, length);

    const char* v = nullptr;
    for (const char* p = close - 1; p >= text + 1; --p) {
        if (*p == 'v') {
            v = p;
            break;
        }
    }
    if (v == nullptr)
        return false;
    std::memset(numberText, 0, sizeof numberText);
    copyCut(numberText, sizeof numberText, v + 1, close);
    return true;
}

} // namespace

bool KaveloConfigParser::getFirmwareString(const char* text, long length, char* destination) {
    if (length <= 0)
        return false;
    const char* end = text + length;
    const char* open = findByte(text, end, '{');
    if (open == nullptr)
        return false;
    char numberText[kNumberTextMax + 1];
    if (!findIdentifier(text, end, open, destination, numberText))
        return false;
    firmwareNumber = convertVersionTimes100(numberText);
    return true;
}

bool KaveloConfigParser::getRevisionString(const char* text, long length, char* destination) {
    if (length <= 0)
        return false;
    const char* end = text + length;
    const char* first = findByte(text, end, '{');
    if (first == nullptr || first + 1 >= end)
        return false;
    const char* open = findByte(first + 1, end, '{');
    if (open == nullptr)
        return false;
    char numberText[kNumberTextMax + 1];
    if (!findIdentifier(text, end, open, destination, numberText))
        return false;
    revisionNumber = convertInteger(numberText, numberText + std::strlen(numberText));
    return true;
}
