// The lock between two programs on Windows, held here from threads of their
// own as another program would hold it.
#include "FileLock.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

// Holds the lock on a file until it goes.
class LockHolder {
  public:
    explicit LockHolder(const std::string& path)
        : thread_([this, path] {
              const FileLock lock(path);
              std::unique_lock<std::mutex> guard(mutex_);
              held_ = true;
              changed_.notify_all();
              changed_.wait(guard, [this] { return released_; });
          }) {
        std::unique_lock<std::mutex> guard(mutex_);
        changed_.wait(guard, [this] { return held_; });
    }
    ~LockHolder() {
        {
            const std::lock_guard<std::mutex> guard(mutex_);
            released_ = true;
        }
        changed_.notify_all();
        thread_.join();
    }

  private:
    std::mutex mutex_;
    std::condition_variable changed_;
    bool held_ = false;
    bool released_ = false;
    std::thread thread_;
};

bool lockedElsewhere(const std::string& path) {
    bool locked = false;
    std::thread([&] {
        locked = FileLock(path, std::chrono::milliseconds(0)).heldByAnother();
    }).join();
    return locked;
}

TEST(Win32FileLock, AWaitWithALimitGivesUpWhileAnotherHoldsIt) {
    const ScratchDirectory folder;
    const std::string path = folder.write("CONFIG.TXT", "text");
    {
        const LockHolder other(path);
        const auto start = Clock::now();
        EXPECT_TRUE(FileLock(path, std::chrono::milliseconds(150)).heldByAnother());
        const auto waited = Clock::now() - start;
        EXPECT_GE(waited, std::chrono::milliseconds(140));
        EXPECT_LT(waited, std::chrono::milliseconds(1500));
    }
    const FileLock lock(path, std::chrono::milliseconds(150));
    EXPECT_FALSE(lock.heldByAnother());
    EXPECT_TRUE(lockedElsewhere(path));
}

// Windows names one file in either letter case and with either separator.
TEST(Win32FileLock, EverySpellingOfThePathIsOneLock) {
    const ScratchDirectory folder;
    const std::string path = folder.write("CONFIG.TXT", "text");
    const std::string other = folder.write("OTHER.TXT", "text");
    std::string spelt = folder.path() + "\\config.txt";
    std::replace(spelt.begin(), spelt.end(), '/', '\\');
    const LockHolder holder(path);
    EXPECT_TRUE(lockedElsewhere(spelt));
    EXPECT_FALSE(lockedElsewhere(other));
}

// A mutex would let its own thread in again; a lock on a file does not.
TEST(Win32FileLock, ASecondLockInTheSameThreadWaitsToo) {
    const ScratchDirectory folder;
    const std::string path = folder.write("CONFIG.TXT", "text");
    const FileLock first(path);
    EXPECT_TRUE(FileLock(path, std::chrono::milliseconds(50)).heldByAnother());
}

} // namespace
