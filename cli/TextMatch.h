// Comparing what a user types with names and captions.
#pragma once

#include <cstddef>
#include <string>

std::string lowerCase(const std::string& text);

// Letters and digits only, in lower case: "1280x720 Wide", "1280x720-wide"
// and "1280X720_WIDE" all read "1280x720wide", and "Rotated 180°" "rotated180".
std::string normalizedWords(const std::string& text);

// The number of single-character insertions, deletions and substitutions that
// turn one text into the other.
std::size_t editDistance(const std::string& from, const std::string& to);
