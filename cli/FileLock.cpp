#include "FileLock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Each new try means that another command saved meanwhile, so this bound is
// never reached in practice; it only keeps the loop finite.
constexpr int kAttempts = 1000;

bool lockWaiting(int fd) {
    while (flock(fd, LOCK_EX) != 0) {
        if (errno != EINTR)
            return false;
    }
    return true;
}

} // namespace

FileLock::FileLock(const std::string& path) {
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            return;
        if (!lockWaiting(fd)) {
            close(fd);
            return;
        }
        // A save that renamed a new file into place while this one waited
        // leaves the lock of a file the path no longer names: the file it
        // names now is locked instead, so that its text is the one read.
        struct stat locked;
        struct stat named;
        if (fstat(fd, &locked) == 0 && stat(path.c_str(), &named) == 0 &&
            locked.st_dev == named.st_dev && locked.st_ino == named.st_ino) {
            descriptor = fd;
            return;
        }
        close(fd);
    }
}

FileLock::~FileLock() {
    if (descriptor >= 0)
        close(descriptor);
}
