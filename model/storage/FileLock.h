// An advisory lock on a configuration file from a read to the save that
// follows it, taken by the command line and the window alike, so that two
// programs changing the same file never lose each other's change.
#pragma once

#include <chrono>
#include <string>

class FileLock {
  public:
    // Waits for the lock on the file at `path`. A file that cannot be opened
    // or a file system without locks leaves the caller unlocked: it goes on
    // as it would have without the lock, and the load says what is wrong.
    explicit FileLock(const std::string& path);
    // Waits at most `limit` for the lock, for a caller that must stay
    // responsive (a negative limit waits as the constructor above);
    // heldByAnother() tells whether the wait ran out.
    FileLock(const std::string& path, std::chrono::milliseconds limit);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // Whether another program held the lock for the whole time allowed.
    bool heldByAnother() const { return heldByAnother_; }

  private:
    void take(const std::string& path, std::chrono::milliseconds limit);

#if defined(_WIN32)
    static void letGo(const std::wstring& name);
    void* handle_ = nullptr; // the held mutex's HANDLE
    std::wstring name_;      // and its name
#else
    int descriptor = -1;
#endif
    bool heldByAnother_ = false;
};
