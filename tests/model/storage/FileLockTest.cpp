// The lock that the command line and the window take around a read and a
// save, and the descriptors a save holds, which no other program inherits.
#ifdef _WIN32
#include "WindowsSkips.h"

SKIPPED_ON_WINDOWS(
    FileLock, AWaitWithALimitGivesUpAndSaysSo,
    "another program's lock is a flock there; win32/FileLockTest tries the Windows lock")
SKIPPED_ON_WINDOWS(
    FileLock, ASavesDescriptorsAreNotInherited,
    "it looks through /proc/self/fd; Windows handles are inherited only when asked for")
#else
#include "FileLock.h"
#include "SafeFileReplace.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <chrono>
#include <climits>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

bool lockedElsewhere(const std::string& path) {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    const bool locked = flock(fd, LOCK_EX | LOCK_NB) != 0;
    close(fd);
    return locked;
}

TEST(FileLock, AWaitWithALimitGivesUpAndSaysSo) {
    const ScratchDirectory folder;
    const std::string path = folder.write("CONFIG.TXT", "text");
    const int other = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(flock(other, LOCK_EX), 0);
    const auto start = Clock::now();
    {
        const FileLock lock(path, std::chrono::milliseconds(150));
        EXPECT_TRUE(lock.heldByAnother());
    }
    const auto waited = Clock::now() - start;
    EXPECT_GE(waited, std::chrono::milliseconds(150));
    EXPECT_LT(waited, std::chrono::milliseconds(1500));
    close(other);

    {
        const FileLock lock(path, std::chrono::milliseconds(150));
        EXPECT_FALSE(lock.heldByAnother());
        EXPECT_TRUE(lockedElsewhere(path));
    }
    EXPECT_FALSE(lockedElsewhere(path));
    // No file, no lock and nothing held: the load says what is wrong.
    EXPECT_FALSE(
        FileLock(folder.file("MISSING.TXT"), std::chrono::milliseconds(10)).heldByAnother());
}

// Descriptors open in this process that a program started now would keep.
int inheritableIn(const std::string& folder) {
    int count = 0;
    DIR* fds = opendir("/proc/self/fd");
    while (const dirent* entry = readdir(fds)) {
        char target[PATH_MAX] = {};
        const std::string link = std::string("/proc/self/fd/") + entry->d_name;
        if (readlink(link.c_str(), target, sizeof target - 1) > 0 &&
            std::string(target).rfind(folder, 0) == 0 &&
            (fcntl(std::atoi(entry->d_name), F_GETFD) & FD_CLOEXEC) == 0)
            ++count;
    }
    closedir(fds);
    return count;
}

std::string gFolder;
int gInheritable = -1;

int fsyncAndLook(int fd) {
    gInheritable = inheritableIn(gFolder);
    return ::fsync(fd);
}

// A program started from another thread while a save runs (the window starts
// none, but its tests and a desktop's plug-ins do) would otherwise keep the
// save's lock on what is by then the saved file, and the next save waits forever.
TEST(FileLock, ASavesDescriptorsAreNotInherited) {
    const ScratchDirectory folder;
    gFolder = folder.path();
    const std::string path = folder.write("CONFIG.TXT", "old");
    const FileReplaceCalls calls = {
        ::write, fsyncAndLook, ::close,
        [](int from, const char* a, int to, const char* b) { return renameat(from, a, to, b); }};
    setFileReplaceCallsForTesting(&calls);
    int error = 0;
    const bool saved = replaceFileContents(path.c_str(), "new", 3, &error);
    setFileReplaceCallsForTesting(nullptr);
    ASSERT_TRUE(saved) << error;
    EXPECT_EQ(gInheritable, 0);
}

} // namespace
#endif // _WIN32
