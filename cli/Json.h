// Writing JSON text.
#pragma once

#include <string>

// The text as a JSON string literal, quotes included. Bytes that are not valid
// UTF-8 (an identifier text may hold any byte) are escaped as the code points
// of the same number, so the output is always valid JSON.
std::string jsonString(const std::string& text);

// A JSON string literal, or null for an empty text.
std::string jsonStringOrNull(const std::string& text);
