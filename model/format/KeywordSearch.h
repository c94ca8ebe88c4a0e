// The keyword search under every read of a setting: the first occurrence of a
// keyword in a text, and the "[" that follows it on its line.
#pragma once

#include <cstddef>

// A keyword made ready for the search, in one pass over it: its length, its
// rarest byte, and whether it holds a "[" or a line feed.
struct SearchKey {
    const char* keyword = "";
    std::size_t length = 0;
    std::size_t anchor = 0; // index of the rarest byte, the first of equals
    bool plain = true;      // neither "[" nor line feed
};

SearchKey searchKeyOf(const char* keyword);

// The index, within `text`, of the byte after the "[" that follows the
// keyword's first occurrence, or -1 when there is none or that occurrence's
// line has no "[". The occurrence must leave at least one byte of text after
// it.
int searchOffset(const SearchKey& key, const char* text, long length);
