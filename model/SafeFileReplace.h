// Replacing a file's contents so that a failure at any point leaves the old
// file byte for byte as it was: the new text goes to a temporary file in the
// same directory, is flushed to the device, and is then renamed over the
// target.
#pragma once

#include <cstddef>
#include <sys/types.h>

// Replaces the contents of `path` with `size` bytes of `data`. A symbolic link
// keeps pointing where it did and the file it names is replaced; a target that
// exists but is no regular file is refused. The replacement keeps the old
// file's permission bits where the file system keeps them; a new file gets the
// mode that a plain create would give it. False on any failure.
bool replaceFileContents(const char* path, const char* data, std::size_t size);

// The system calls the replacement makes once the temporary file exists, so
// that tests can make the disk fail (a full disk, a failing close) even where
// they run with every permission.
struct FileReplaceCalls {
    ssize_t (*write)(int fd, const void* data, std::size_t size);
    int (*fsync)(int fd);
    int (*close)(int fd);
    int (*rename)(const char* from, const char* to);
};
void setFileReplaceCallsForTesting(const FileReplaceCalls* calls); // nullptr: the real ones
