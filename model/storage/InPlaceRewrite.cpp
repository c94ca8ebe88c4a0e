#include "InPlaceRewrite.h"

#include "SaveSystemCalls.h"

#include <cerrno>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A configuration file is a few kilobytes; a much larger one is not held for
// putting back.
constexpr std::size_t kMostKept = 1 << 20;

int writeAt(int fd, const char* data, std::size_t size, off_t offset) {
    if (lseek(fd, offset, SEEK_SET) != offset)
        return errno;
    return writeAll(fd, data, size);
}

// The file's text, for putting it back; false where it cannot be read (a
// file opened for writing only).
bool readAll(int fd, std::size_t size, std::string* text) {
    text->assign(size, '\0');
    std::size_t got = 0;
    while (got < size) {
        const ssize_t n = pread(fd, &(*text)[got], size - got, static_cast<off_t>(got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        got += static_cast<std::size_t>(n);
    }
    return true;
}

int flush(int fd) {
    return saveCalls().fsync(fd) == 0 ? 0 : errno;
}

} // namespace

int rewriteInPlace(int fd, const char* data, std::size_t size) {
    struct stat status;
    if (fstat(fd, &status) != 0)
        return errno;
    const std::size_t oldSize = static_cast<std::size_t>(status.st_size);
    std::string old;
    const bool haveOld = oldSize <= kMostKept && readAll(fd, oldSize, &old);

    // The new end first: writing past the old end is what may not fit.
    if (size > oldSize) {
        const int error = writeAt(fd, data + oldSize, size - oldSize, static_cast<off_t>(oldSize));
        if (error != 0) {
            if (ftruncate(fd, static_cast<off_t>(oldSize)) != 0) {
                // the old text is whole before its old end all the same
            }
            return error;
        }
    }
    int error = writeAt(fd, data, size < oldSize ? size : oldSize, 0);
    if (error == 0 && size < oldSize && ftruncate(fd, static_cast<off_t>(size)) != 0)
        error = errno;
    if (error == 0)
        error = flush(fd);
    if (error != 0 && haveOld) {
        if (writeAt(fd, old.data(), old.size(), 0) == 0 &&
            ftruncate(fd, static_cast<off_t>(oldSize)) == 0 && flush(fd) == 0) {
            // the old text is back
        }
    }
    return error;
}
