#include "SafeFileReplace.h"

#include <algorithm>

#include "FileAttributes.h"
#include "FileDescriptor.h"
#include "FileSizeSignal.h"
#include "InPlaceRewrite.h"
#include "SaveSystemCalls.h"
#include "SaveTarget.h"
#include "SaveTemporary.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

const FileReplaceCalls kSystemCalls = {::write, ::fsync, ::close, ::renameat};
const FileReplaceCalls* gCalls = &kSystemCalls;

// Makes a rename or a removal in the directory durable; a directory that
// cannot be flushed (some file systems refuse) holds the change all the same.
void flushDirectory(int directory) {
    if (fsync(directory) != 0) {
        // nothing more to do
    }
}

// Opens the existing target for reading its attributes and for writing it
// in place, and checks that it is still the file that was found.
FileDescriptor openTarget(const SaveTarget& target, int* error) {
    const int flags = O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
    FileDescriptor file(openat(target.directory.get(), target.name.c_str(), O_RDWR | flags));
    if (!file.valid() && errno == EACCES)
        file.reset(openat(target.directory.get(), target.name.c_str(), O_WRONLY | flags));
    struct stat status;
    if (!file.valid() || fstat(file.get(), &status) != 0) {
        *error = errno;
        return FileDescriptor();
    }
    if (status.st_dev != target.status.st_dev || status.st_ino != target.status.st_ino) {
        *error = EAGAIN; // replaced by another program meanwhile
        return FileDescriptor();
    }
    if (fcntl(file.get(), F_SETFL, fcntl(file.get(), F_GETFL) & ~O_NONBLOCK) != 0) {
        // a regular file does not block either way
    }
    return file;
}

int rewriteAndClose(FileDescriptor file, const char* data, std::size_t size) {
    int error = rewriteInPlace(file.get(), data, size);
    if (gCalls->close(file.release()) != 0 && error == 0)
        error = errno;
    return error;
}

// The existing file at `path`, opened for a rewrite where it is, after the
// checks every save makes.
FileDescriptor openExisting(const char* path, int* error) {
    SaveTarget target;
    if (path == nullptr || *path == '\0')
        *error = ENOENT;
    else
        *error = findSaveTarget(path, &target);
    if (*error != 0)
        return FileDescriptor();
    if (!target.exists || !S_ISREG(target.status.st_mode)) {
        *error = !target.exists ? ENOENT : S_ISDIR(target.status.st_mode) ? EISDIR : EINVAL;
        return FileDescriptor();
    }
    if (faccessat(target.directory.get(), target.name.c_str(), W_OK, 0) != 0) {
        *error = errno;
        return FileDescriptor();
    }
    return openTarget(target, error);
}

int replace(const char* path, const char* data, std::size_t size) {
    if (path == nullptr || *path == '\0')
        return ENOENT;
    SaveTarget target;
    if (const int error = findSaveTarget(path, &target))
        return error;
    const int directory = target.directory.get();
    FileDescriptor file;
    if (target.exists) {
        // A device or a directory is never replaced by a regular file.
        if (!S_ISREG(target.status.st_mode))
            return S_ISDIR(target.status.st_mode) ? EISDIR : EINVAL;
        if (faccessat(directory, target.name.c_str(), W_OK, 0) != 0)
            return errno;
        int error = 0;
        file = openTarget(target, &error);
        if (!file.valid())
            return error;
    }
    removeAbandonedTemporaries(directory);

    SaveTemporary temporary;
    // Private until it has the target's attributes; a new file gets what a
    // plain create gives it.
    if (const int error = createSaveTemporary(directory, target.exists ? 0600 : 0666, &temporary)) {
        // A directory that takes no new file still lets its file be rewritten.
        if (target.exists && (error == EACCES || error == EPERM))
            return rewriteAndClose(std::move(file), data, size);
        return error;
    }
    const bool renameKeepsTheFile =
        !target.exists || (target.status.st_nlink == 1 &&
                           takeOverAttributes(file.get(), target.status, temporary.file.get()));

    int error = writeAll(temporary.file.get(), data, size);
    if (error == 0 && gCalls->fsync(temporary.file.get()) != 0)
        error = errno;
    if (gCalls->close(temporary.file.release()) != 0 && error == 0)
        error = errno;
    if (error == 0 && renameKeepsTheFile) {
        if (gCalls->rename(directory, temporary.name.c_str(), directory, target.name.c_str()) == 0)
            temporary.name.clear(); // it is the target now
        else
            error = errno;
    } else if (error == 0) {
        // The new text is on the device beside the file before the file changes.
        error = rewriteAndClose(std::move(file), data, size);
    }
    discardSaveTemporary(directory, &temporary);
    flushDirectory(directory);
    return error;
}

} // namespace

const FileReplaceCalls& saveCalls() {
    return *gCalls;
}

int writeAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = gCalls->write(fd, data, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        if (n == 0)
            return EIO;
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return 0;
}

void setFileReplaceCallsForTesting(const FileReplaceCalls* calls) {
    gCalls = calls != nullptr ? calls : &kSystemCalls;
}

bool replaceFileContents(const char* path, const char* data, std::size_t size, int* error) {
    // No signal ends the program during a save: a write past the file-size
    // limit fails with EFBIG like any other write.
    const FileSizeSignalHold hold;
    *error = replace(path, data, size);
    return *error == 0;
}

bool fitsInPlace(const char* path, std::size_t size) {
    struct stat status;
    if (stat(path, &status) != 0 || !S_ISREG(status.st_mode))
        return false;
    const auto taken = std::max<long long>(status.st_size, 512LL * status.st_blocks);
    return static_cast<long long>(size) <= taken;
}

bool rewriteFileInPlace(const char* path, const char* data, std::size_t size, int* error) {
    const FileSizeSignalHold hold;
    FileDescriptor file = openExisting(path, error);
    if (file.valid())
        *error = rewriteAndClose(std::move(file), data, size);
    return *error == 0;
}
