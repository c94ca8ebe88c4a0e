// The system calls of a save that tests may replace, and writing through them.
#pragma once

#include "SafeFileReplace.h"

#include <cstddef>

const FileReplaceCalls& saveCalls();

// Writes all `size` bytes at the descriptor's offset, through short and
// interrupted writes; answers 0 or the errno value of the failure.
int writeAll(int fd, const char* data, std::size_t size);
