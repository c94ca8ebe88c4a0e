#include "SaveTemporary.h"

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <sys/file.h>
#include <sys/stat.h>
#include <vector>

namespace {

const char kPrefix[] = ".kavelo-save-";
constexpr std::size_t kPrefixLength = sizeof kPrefix - 1;
constexpr std::size_t kRandomLength = 6;
constexpr int kNameAttempts = 100;

std::uint64_t mixed(std::uint64_t x) {
    x += 0x9e3779b97f4a7c15ull;
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ull;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebull;
    return x ^ (x >> 31);
}

// Random enough that two saves rarely pick the same name; O_EXCL makes sure
// that they never share one.
std::string randomName() {
    static std::uint64_t state = [] {
        try {
            return static_cast<std::uint64_t>(std::random_device()());
        } catch (...) {
            return std::uint64_t{0};
        }
    }();
    state = mixed(
        state ^ static_cast<std::uint64_t>(getpid()) ^
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
    static const char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::string name = kPrefix;
    std::uint64_t bits = state;
    for (std::size_t i = 0; i < kRandomLength; ++i) {
        name += kLetters[bits % (sizeof kLetters - 1)];
        bits /= sizeof kLetters - 1;
    }
    return name;
}

bool isTemporaryName(const char* name) {
    return std::strncmp(name, kPrefix, kPrefixLength) == 0 &&
           std::strlen(name) == kPrefixLength + kRandomLength;
}

bool sameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Whether the lock can be had; a file system without locks says no.
bool takeLockNow(int fd) {
    while (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EINTR)
            return false;
    }
    return true;
}

std::vector<std::string> temporaryNamesIn(int directory) {
    std::vector<std::string> names;
    // A listing of its own, so that the directory descriptor keeps its offset.
    DIR* listing = fdopendir(openat(directory, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (listing == nullptr)
        return names;
    while (const dirent* entry = readdir(listing)) {
        if (isTemporaryName(entry->d_name))
            names.push_back(entry->d_name);
    }
    closedir(listing);
    return names;
}

} // namespace

int createSaveTemporary(int directory, mode_t mode, SaveTemporary* temporary) {
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        temporary->name = randomName();
        temporary->file.reset(openat(directory, temporary->name.c_str(),
                                     O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode));
        if (!temporary->file.valid()) {
            if (errno == EEXIST)
                continue;
            return errno;
        }
        // Not inherited: a program started meanwhile from another thread
        // would hold the lock, on what is by then the saved file, for its life.
        temporary->lock.reset(fcntl(temporary->file.get(), F_DUPFD_CLOEXEC, 0));
        // Without locks the save goes on: nothing removes its temporary then.
        if (temporary->lock.valid() && flock(temporary->lock.get(), LOCK_EX) != 0) {
        }
        // Another save may have taken the new file for abandoned in the moment
        // before the lock; then the name is gone, and another one is tried.
        struct stat created;
        struct stat named;
        if (fstat(temporary->file.get(), &created) == 0 &&
            fstatat(directory, temporary->name.c_str(), &named, AT_SYMLINK_NOFOLLOW) == 0 &&
            sameFile(created, named))
            return 0;
        temporary->file.reset();
        temporary->lock.reset();
    }
    return EEXIST;
}

void discardSaveTemporary(int directory, SaveTemporary* temporary) {
    if (!temporary->name.empty())
        unlinkat(directory, temporary->name.c_str(), 0);
    temporary->file.reset();
    temporary->lock.reset();
    temporary->name.clear();
}

void removeAbandonedTemporaries(int directory) {
    for (const std::string& name : temporaryNamesIn(directory)) {
        // Any access will do for the lock: a temporary takes the target's mode.
        FileDescriptor file(
            openat(directory, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        if (!file.valid() && errno == EACCES)
            file.reset(
                openat(directory, name.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        struct stat opened;
        if (!file.valid() || fstat(file.get(), &opened) != 0 || !S_ISREG(opened.st_mode) ||
            !takeLockNow(file.get()))
            continue;
        // Only the file that was locked: the name may have been renamed into
        // place, or given to a new temporary, since it was opened.
        struct stat named;
        if (fstatat(directory, name.c_str(), &named, AT_SYMLINK_NOFOLLOW) == 0 &&
            sameFile(opened, named))
            unlinkat(directory, name.c_str(), 0);
    }
}
