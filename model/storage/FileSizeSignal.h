// While one lives, a write past the process's file-size limit fails with
// EFBIG instead of killing the process with SIGXFSZ.
#pragma once

#include <signal.h>

// Blocks SIGXFSZ for the calling thread, and on its end takes back a SIGXFSZ
// that arrived meanwhile and restores the thread's signal mask exactly. The
// signal's disposition is never touched.
class FileSizeSignalHold {
  public:
    FileSizeSignalHold();
    ~FileSizeSignalHold();
    FileSizeSignalHold(const FileSizeSignalHold&) = delete;
    FileSizeSignalHold& operator=(const FileSizeSignalHold&) = delete;

  private:
    sigset_t previousMask_;
    bool wasPending_ = false;
};
