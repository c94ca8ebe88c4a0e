// Number conversions of the configuration file, independent of the process
// locale: the camera writes "2.17" whatever language the computer speaks.
#pragma once

// Like the C library's atoi on the bytes [begin, end): leading white space,
// an optional sign, then digits up to the first non-digit; no digits give 0.
// Saturates at the 32-bit limits instead of overflowing.
int convertInteger(const char* begin, const char* end);

// Like the C library's atof in the "C" locale on a NUL-terminated text, scaled
// by 100 and rounded half up: "2.17" gives 217. Saturates at the 32-bit limits;
// a text that reads as not-a-number gives 0.
int convertVersionTimes100(const char* text);
