#include "KeywordSearch.h"

#include "LineScan.h"

#include <climits>
#include <cstring>

namespace {

// The bytes of a configuration file from the most to the least frequent, as
// the writer lays it out; digits count as frequent, since every value is made
// of them. A byte that is not listed is rarer than all of them.
constexpr char kBytesByFrequency[] =
    " eoit\n=[];a0123456789-nrMmulvdschpRDTfOCEGLPSgBVyWwz,FAHqx/:Ib{}.KU";

struct ByteRarity {
    unsigned char rank[256] = {}; // 0: not listed, the rarest
    constexpr ByteRarity() {
        const int listed = static_cast<int>(sizeof kBytesByFrequency) - 1;
        for (int i = 0; i < listed; ++i)
            rank[static_cast<unsigned char>(kBytesByFrequency[i])] =
                static_cast<unsigned char>(listed - i);
    }
};
constexpr ByteRarity kRarity;

// The first position in [text, lastStart] where the keyword begins, or
// nullptr. The scan jumps from one occurrence of the keyword's rarest byte to
// the next and compares the whole keyword only there: keywords share their
// common bytes ("Movie ", " Power"), so stopping at each of their first bytes
// would mean stopping at nearly every line.
const char* findKeyword(const SearchKey& key, const char* text, const char* lastStart) {
    const std::size_t anchor = key.anchor;
    const char anchorByte = key.keyword[anchor];
    const char* lastAnchor = lastStart + anchor;
    for (const char* p = text + anchor; p <= lastAnchor; ++p) {
        p = static_cast<const char*>(
            std::memchr(p, anchorByte, static_cast<std::size_t>(lastAnchor - p + 1)));
        if (p == nullptr)
            return nullptr;
        // Its two ends first: a whole compare costs a call.
        const char* start = p - anchor;
        if (start[0] == key.keyword[0] && start[key.length - 1] == key.keyword[key.length - 1] &&
            std::memcmp(start, key.keyword, key.length) == 0)
            return start;
    }
    return nullptr;
}

} // namespace

SearchKey searchKeyOf(const char* keyword) {
    SearchKey key;
    key.keyword = keyword;
    unsigned rarest = UINT_MAX;
    for (; keyword[key.length] != '\0'; ++key.length) {
        const unsigned char byte = static_cast<unsigned char>(keyword[key.length]);
        if (kRarity.rank[byte] < rarest) {
            rarest = kRarity.rank[byte];
            key.anchor = key.length;
        }
        key.plain = key.plain && byte != '[' && byte != '\n';
    }
    return key;
}

int searchOffset(const SearchKey& key, const char* text, long length) {
    const long keywordLength = static_cast<long>(key.length);
    if (length <= keywordLength)
        return -1;
    const char* end = text + length;
    const char* match = keywordLength == 0 ? text : findKeyword(key, text, end - keywordLength - 1);
    if (match == nullptr)
        return -1;
    // Only the first occurrence counts, even when its line has no "[". A plain
    // keyword's own bytes need no look.
    const char* open = findOnLine(key.plain ? match + keywordLength : match, end, '[');
    if (open == nullptr || open + 1 - text > INT_MAX)
        return -1;
    return static_cast<int>(open + 1 - text);
}
