// A save never leaves a half-written or wrongly replaced file on the card.
#include "SafeFileReplace.h"

#include <cerrno>
#include <gtest/gtest.h>

#ifdef _WIN32
#include "WindowsSkips.h"

namespace {

constexpr char kPosixSaveCalls[] =
    "it fails the POSIX save's system calls one by one; win32/SafeSaveTest tries the Win32 save";

SKIPPED_ON_WINDOWS(SafeSave, AFailureLeavesTheOldFileAndNoTemporaryFile, kPosixSaveCalls)
SKIPPED_ON_WINDOWS(SafeSave, ShortAndInterruptedWritesStillWriteEverything, kPosixSaveCalls)
SKIPPED_ON_WINDOWS(SafeSave, KeepsThePermissionBitsOfTheFileItReplaces, kPosixSaveCalls)
SKIPPED_ON_WINDOWS(SafeSave, ANewFileGetsTheModeOfAPlainCreate, kPosixSaveCalls)
SKIPPED_ON_WINDOWS(SafeSave, ASymbolicLinkStaysAndTheFileItNamesIsReplaced, kPosixSaveCalls)
SKIPPED_ON_WINDOWS(SafeSave, WhatIsNoRegularFileIsNeverReplaced, kPosixSaveCalls)
SKIPPED_ON_WINDOWS(SafeSave, ARewriteInPlaceFlushesTheFileItself, kPosixSaveCalls)
SKIPPED_ON_WINDOWS(SafeSave, ATemporaryOfASaveUnderWayStaysAndDoesNotHoldUpAnother, kPosixSaveCalls)
} // namespace
#else
#include "ConfigFileText.h"
#include "KaveloConfigParser.h"
#include "SafeFileReplace.h"
#include "TestFiles.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// Failure injection: which call fails, and how.
enum class Fault { None, DiskFull, ShortWrites, Interrupted, Fsync, Close, Rename };
Fault gFault = Fault::None;
bool gInterruptedOnce = false;

ssize_t faultyWrite(int fd, const void* data, std::size_t size) {
    switch (gFault) {
    case Fault::DiskFull:
        errno = ENOSPC;
        return -1;
    case Fault::ShortWrites:
        return ::write(fd, data, 1);
    case Fault::Interrupted:
        if (!gInterruptedOnce) {
            gInterruptedOnce = true;
            errno = EINTR;
            return -1;
        }
        return ::write(fd, data, size);
    default:
        return ::write(fd, data, size);
    }
}
std::vector<ino_t> gFlushed; // the files that fsync was asked to flush
int faultyFsync(int fd) {
    struct stat status;
    if (fstat(fd, &status) == 0)
        gFlushed.push_back(status.st_ino);
    if (gFault == Fault::Fsync) {
        errno = EIO;
        return -1;
    }
    return ::fsync(fd);
}
int faultyClose(int fd) {
    const int result = ::close(fd);
    if (gFault == Fault::Close) {
        errno = EIO; // as NFS or a card pulled out reports a lost write
        return -1;
    }
    return result;
}
int faultyRename(int fromDirectory, const char* from, int toDirectory, const char* to) {
    if (gFault == Fault::Rename) {
        errno = EXDEV;
        return -1;
    }
    return ::renameat(fromDirectory, from, toDirectory, to);
}
const FileReplaceCalls kFaultyCalls = {faultyWrite, faultyFsync, faultyClose, faultyRename};

class SafeSave : public testing::Test {
  protected:
    // A fixed clock: saves compared with each other must not straddle a second.
    void SetUp() override {
        setFileReplaceCallsForTesting(&kFaultyCalls);
        setClockForTesting(fixedClock);
    }
    void TearDown() override {
        setFileReplaceCallsForTesting(nullptr);
        setClockForTesting(nullptr);
        gFault = Fault::None;
        gInterruptedOnce = false;
        gFlushed.clear();
    }
    ScratchDirectory directory;
    KaveloConfigParser config;
};

TEST_F(SafeSave, AFailureLeavesTheOldFileAndNoTemporaryFile) {
    const std::string old = "the card's file as it was\n";
    for (Fault fault : {Fault::DiskFull, Fault::Fsync, Fault::Close, Fault::Rename}) {
        const std::string path = directory.write("CONFIG.TXT", old);
        gFault = fault;
        EXPECT_EQ(stderrOf([&] { EXPECT_FALSE(config.writeConfigFile(path.c_str())); }),
                  "Problem saving configuration file!!!")
            << static_cast<int>(fault);
        EXPECT_EQ(readWholeFile(path), old) << static_cast<int>(fault);
        EXPECT_EQ(directory.entryCount(), 1) << static_cast<int>(fault);
    }
}

TEST_F(SafeSave, ShortAndInterruptedWritesStillWriteEverything) {
    // The placeholder date line: saves a second apart write the same text.
    config.setCameraValue(1, 0);
    const std::string path = directory.file("CONFIG.TXT");
    ASSERT_TRUE(config.writeConfigFile(path.c_str()));
    const std::string expected = readWholeFile(path);
    for (Fault fault : {Fault::ShortWrites, Fault::Interrupted}) {
        gFault = fault;
        ASSERT_EQ(unlink(path.c_str()), 0);
        EXPECT_TRUE(config.writeConfigFile(path.c_str()));
        EXPECT_EQ(readWholeFile(path), expected);
    }
}

mode_t modeOf(const std::string& path) {
    struct stat status;
    EXPECT_EQ(stat(path.c_str(), &status), 0);
    return status.st_mode & 07777;
}

TEST_F(SafeSave, KeepsThePermissionBitsOfTheFileItReplaces) {
    const std::string path = directory.write("CONFIG.TXT", "old");
    ASSERT_EQ(chmod(path.c_str(), 0640), 0);
    ASSERT_TRUE(config.writeConfigFile(path.c_str()));
    EXPECT_EQ(modeOf(path), 0640u);
}

TEST_F(SafeSave, ANewFileGetsTheModeOfAPlainCreate) {
    const mode_t old = umask(022);
    const std::string path = directory.file("CONFIG.TXT");
    ASSERT_TRUE(config.writeConfigFile(path.c_str()));
    umask(old);
    EXPECT_EQ(modeOf(path), 0644u);
}

TEST_F(SafeSave, ASymbolicLinkStaysAndTheFileItNamesIsReplaced) {
    const std::string real = directory.write("real.txt", "old");
    const std::string link = directory.file("CONFIG.TXT");
    ASSERT_EQ(symlink("real.txt", link.c_str()), 0);
    ASSERT_TRUE(config.writeConfigFile(link.c_str()));
    struct stat status;
    ASSERT_EQ(lstat(link.c_str(), &status), 0);
    EXPECT_TRUE(S_ISLNK(status.st_mode));
    EXPECT_NE(readWholeFile(real).find("Date format=[0];"), std::string::npos);
    EXPECT_EQ(directory.entryCount(), 2);
}

TEST_F(SafeSave, WhatIsNoRegularFileIsNeverReplaced) {
    struct stat before;
    ASSERT_EQ(stat("/dev/null", &before), 0);
    EXPECT_EQ(stderrOf([&] { EXPECT_FALSE(config.writeConfigFile("/dev/null")); }),
              "Problem saving configuration file!!!");
    struct stat after;
    ASSERT_EQ(stat("/dev/null", &after), 0);
    EXPECT_TRUE(S_ISCHR(after.st_mode));
    EXPECT_EQ(before.st_ino, after.st_ino);

    const std::string subdirectory = directory.file("folder");
    ASSERT_EQ(mkdir(subdirectory.c_str(), 0755), 0);
    stderrOf([&] { EXPECT_FALSE(config.writeConfigFile(subdirectory.c_str())); });
    struct stat folder;
    ASSERT_EQ(stat(subdirectory.c_str(), &folder), 0);
    EXPECT_TRUE(S_ISDIR(folder.st_mode));

    const std::string dangling = directory.file("dangling.txt");
    ASSERT_EQ(symlink("nowhere/CONFIG.TXT", dangling.c_str()), 0);
    stderrOf([&] { EXPECT_FALSE(config.writeConfigFile(dangling.c_str())); });
    EXPECT_EQ(directory.entryCount(), 2);
}

TEST_F(SafeSave, ARewriteInPlaceFlushesTheFileItself) {
    // A second name keeps the file where it is: it is rewritten, not replaced.
    const std::string path = directory.write("CONFIG.TXT", "old");
    const std::string other = directory.file("OTHER.TXT");
    ASSERT_EQ(link(path.c_str(), other.c_str()), 0);
    struct stat before;
    ASSERT_EQ(stat(path.c_str(), &before), 0);
    ASSERT_TRUE(config.writeConfigFile(path.c_str()));
    EXPECT_NE(std::find(gFlushed.begin(), gFlushed.end(), before.st_ino), gFlushed.end());
    EXPECT_EQ(readWholeFile(other), readWholeFile(path));
}

TEST_F(SafeSave, ATemporaryOfASaveUnderWayStaysAndDoesNotHoldUpAnother) {
    // The name of another save's temporary, locked as that save holds it.
    const std::string busy = directory.write(".kavelo-save-AbC123", "half");
    const int held = open(busy.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(held, 0);
    ASSERT_EQ(flock(held, LOCK_EX), 0);
    const std::string abandoned = directory.write(".kavelo-save-XyZ789", "left");
    const std::string path = directory.write("CONFIG.TXT", "old");
    ASSERT_TRUE(config.writeConfigFile(path.c_str()));
    EXPECT_EQ(readWholeFile(busy), "half");
    EXPECT_NE(access(abandoned.c_str(), F_OK), 0);
    EXPECT_EQ(directory.entryCount(), 2);
    close(held);
}

} // namespace
#endif // _WIN32

namespace {

TEST(ReplaceFileContents, NoPathIsNoFile) {
    for (const char* path : {static_cast<const char*>(nullptr), ""}) {
        int error = 0;
        EXPECT_FALSE(replaceFileContents(path, "x", 1, &error));
        EXPECT_EQ(error, ENOENT);
    }
}

} // namespace
