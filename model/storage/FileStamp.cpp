#include "FileStamp.h"

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace {

long long nanoseconds(const timespec& time) {
    return static_cast<long long>(time.tv_sec) * 1000000000LL + time.tv_nsec;
}

} // namespace

bool stampFile(int descriptor, FileStamp* stamp) {
    struct stat status;
    if (fstat(descriptor, &status) != 0)
        return false;
    stamp->regular = S_ISREG(status.st_mode);
    stamp->size = status.st_size;
#if defined(__APPLE__)
    stamp->modified = nanoseconds(status.st_mtimespec);
    stamp->changed = nanoseconds(status.st_ctimespec);
#else
    stamp->modified = nanoseconds(status.st_mtim);
    stamp->changed = nanoseconds(status.st_ctim);
#endif
    return true;
}

long readFromStart(int descriptor, char* buffer, long size) {
    long got = 0;
    while (got < size) {
        const ssize_t n =
            pread(descriptor, buffer + got, static_cast<std::size_t>(size - got), got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        got += static_cast<long>(n);
    }
    return got;
}

void waitForWriteUnderWay(int descriptor) {
#if defined(SEEK_DATA)
    if (lseek(descriptor, 0, SEEK_DATA) < 0) {
        // an empty file, or no such seek here: the check goes on without it
    }
#else
    (void)descriptor;
#endif
}
