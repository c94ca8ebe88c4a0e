#include "FileNumbers.h"

#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>

#if defined(_WIN32)
#include <locale.h>
#else
#include <clocale>
#if defined(__APPLE__)
#include <xlocale.h>
#endif
#endif

namespace {

bool isCSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

double strtodInCLocale(const char* text) {
#if defined(_WIN32)
    static _locale_t cLocale = _create_locale(LC_NUMERIC, "C");
    return _strtod_l(text, nullptr, cLocale);
#else
    static locale_t cLocale = newlocale(LC_NUMERIC_MASK, "C", static_cast<locale_t>(0));
    return strtod_l(text, nullptr, cLocale);
#endif
}

} // namespace

int convertInteger(const char* begin, const char* end) {
    const char* p = begin;
    while (p < end && isCSpace(*p))
        ++p;
    bool negative = false;
    if (p < end && (*p == '+' || *p == '-')) {
        negative = *p == '-';
        ++p;
    }
    // Leading zeros count for nothing; after them, ten digits fit a 64-bit
    // value unchecked, and an eleventh is beyond any 32-bit one.
    while (p < end && *p == '0')
        ++p;
    const char* limit = end - p > 10 ? p + 10 : end;
    long long value = 0;
    unsigned digit;
    for (; p < limit && (digit = static_cast<unsigned>(static_cast<unsigned char>(*p) - '0')) <= 9;
         ++p)
        value = value * 10 + digit;
    if (p < end && *p >= '0' && *p <= '9')
        return negative ? INT_MIN : INT_MAX;
    if (negative)
        return value > -static_cast<long long>(INT_MIN) ? INT_MIN : static_cast<int>(-value);
    return value > INT_MAX ? INT_MAX : static_cast<int>(value);
}

int convertVersionTimes100(const char* text) {
    const double scaled = strtodInCLocale(text) * 100.0 + 0.5;
    if (std::isnan(scaled))
        return 0;
    if (scaled >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (scaled <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(scaled); // truncates toward zero
}
