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

// Copies [begin, end) into a cleared buffer of `size` bytes, cutting what does
// not fit before its terminating NUL.
inline void copyCut(char* destination, std::size_t size, const char* begin, const char* end) {
    std::size_t length = static_cast<std::size_t>(end - begin);
    if (length > size - 1)
        length = size - 1;
    std::memcpy(destination, begin, length);
}
