#include "FileLock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

// Each new try means that another program saved meanwhile, so this bound is
// never reached in practice; it only keeps the loop finite.
constexpr int kAttempts = 1000;
constexpr std::chrono::milliseconds kForever{-1};
constexpr std::chrono::milliseconds kPollInterval{10};

enum class Locking { locked, busy, failed };

Locking lockWithin(int fd, std::chrono::steady_clock::time_point deadline, bool wait) {
    for (;;) {
        if (flock(fd, wait ? LOCK_EX : LOCK_EX | LOCK_NB) == 0)
            return Locking::locked;
        if (errno == EINTR)
            continue;
        if (errno != EWOULDBLOCK)
            return Locking::failed;
        if (std::chrono::steady_clock::now() >= deadline)
            return Locking::busy;
        std::this_thread::sleep_for(kPollInterval);
    }
}

} // namespace

FileLock::FileLock(const std::string& path) {
    take(path, kForever);
}

FileLock::FileLock(const std::string& path, std::chrono::milliseconds limit) {
    take(path, limit);
}

void FileLock::take(const std::string& path, std::chrono::milliseconds limit) {
    const bool wait = limit.count() < 0;
    const auto deadline =
        std::chrono::steady_clock::now() + (wait ? std::chrono::milliseconds(0) : limit);
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            return;
        const Locking locking = lockWithin(fd, deadline, wait);
        if (locking != Locking::locked) {
            heldByAnother_ = locking == Locking::busy;
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
