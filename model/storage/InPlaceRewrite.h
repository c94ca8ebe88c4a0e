// Rewriting a file where it is, for a file that a rename would change: one
// with other names, or an owner or attributes that a new file cannot get.
#pragma once

#include <cstddef>

// Makes the open file `fd` hold exactly `data`, flushed to the device. Any
// growth comes first, so that a full card or a file-size limit stops the
// rewrite before a byte of the old text has changed; after any later failure
// the old text is written back as far as it can be. Answers 0 or the errno
// value of the failure.
int rewriteInPlace(int fd, const char* data, std::size_t size);
