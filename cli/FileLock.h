// An advisory lock on a configuration file from a command's read to its
// save, so that two commands changing the same file never lose each other's
// change.
#pragma once

#include <string>

class FileLock {
  public:
    // Waits for the lock on the file at `path`. A file that cannot be opened
    // or a file system without locks leaves the command unlocked: it goes on
    // as it would have without the lock, and the load says what is wrong.
    explicit FileLock(const std::string& path);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

  private:
    int descriptor = -1;
};
