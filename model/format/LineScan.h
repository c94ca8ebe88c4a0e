// Byte scans shared by the identification and the reader. The file's text is
// not NUL-terminated: every scan is bounded by an end pointer, and the line
// feed is the only line end.
#pragma once

#include <cstring>

// First `wanted` in [from, end) before any line feed, or nullptr.
inline const char* findOnLine(const char* from, const char* end, char wanted) {
    for (const char* p = from; p < end; ++p) {
        if (*p == wanted)
            return p;
        if (*p == '\n')
            return nullptr;
    }
    return nullptr;
}

// The same as findOnLine in two block scans, for a line that may run long,
// such as an identifier of up to 255 bytes.
inline const char* findOnLongLine(const char* from, const char* end, char wanted) {
    if (from >= end)
        return nullptr;
    const char* found =
        static_cast<const char*>(std::memchr(from, wanted, static_cast<std::size_t>(end - from)));
    if (found == nullptr ||
        std::memchr(from, '\n', static_cast<std::size_t>(found - from)) != nullptr)
        return nullptr;
    return found;
}

// Copies [begin, end) into a cleared buffer of `size` bytes, cutting what does
// not fit before its terminating NUL.
inline void copyCut(char* destination, std::size_t size, const char* begin, const char* end) {
    std::size_t length = static_cast<std::size_t>(end - begin);
    if (length > size - 1)
        length = size - 1;
    std::memcpy(destination, begin, length);
}
