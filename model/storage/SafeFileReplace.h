// Replacing a file's contents so that a failure at any point leaves the old
// file as it was, and the file keeps what it is: who may write it, its owner,
// group and mode, its other names and its extended attributes.
#pragma once

#include <cstddef>
#include <sys/types.h>

// Replaces the contents of `path` with `size` bytes of `data`, the one place
// that decides how a save reaches the disk:
// - a file that a plain open for writing would refuse (the user may not
//   write it, checked with the real user and group; root may) is refused;
// - the new text goes to a temporary file in the same directory and is
//   flushed to the device; it is renamed over the file where that keeps what
//   the file is (one name, the same owner, group, mode and attributes), and
//   otherwise the file is rewritten in place and the temporary removed; a
//   file in a directory that takes no new file is rewritten in place;
// - temporaries that killed saves left in the directory are removed;
// - a symbolic link keeps pointing where it did and the file it names is
//   replaced; a target that exists but is no regular file is refused; a new
//   file gets the mode that a plain create would give it;
// - a file-size limit or a full card fails the save like any other error,
//   without a signal.
// False on any failure, with the system's reason (an errno value) in
// `error`, which is 0 after a success.
bool replaceFileContents(const char* path, const char* data, std::size_t size, int* error);

// Whether `size` bytes fit in the space the file at `path` already takes on
// its device, so that writing them over the file needs no free space.
bool fitsInPlace(const char* path, std::size_t size);

// Writes `size` bytes of `data` over the file at `path` itself, without the
// temporary copy: for a card too full to take one. The same checks as
// replaceFileContents() come first; but a card pulled out or a power cut in
// the milliseconds of the write may leave the file damaged.
bool rewriteFileInPlace(const char* path, const char* data, std::size_t size, int* error);

// The system calls the replacement makes once the temporary file exists, so
// that tests can make the disk fail (a full disk, a failing close) even where
// they run with every permission.
struct FileReplaceCalls {
    ssize_t (*write)(int fd, const void* data, std::size_t size);
    int (*fsync)(int fd);
    int (*close)(int fd);
    int (*rename)(int fromDirectory, const char* from, int toDirectory, const char* to);
};
void setFileReplaceCallsForTesting(const FileReplaceCalls* calls); // nullptr: the real ones
