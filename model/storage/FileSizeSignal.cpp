#include "FileSizeSignal.h"

#include <cerrno>
#include <ctime>

namespace {

sigset_t fileSizeSignal() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGXFSZ);
    return set;
}

bool fileSizeSignalPending() {
    sigset_t pending;
    return sigpending(&pending) == 0 && sigismember(&pending, SIGXFSZ) == 1;
}

} // namespace

FileSizeSignalHold::FileSizeSignalHold() {
    const sigset_t set = fileSizeSignal();
    pthread_sigmask(SIG_BLOCK, &set, &previousMask_);
    // One that was waiting already belongs to the caller.
    wasPending_ = fileSizeSignalPending();
}

FileSizeSignalHold::~FileSizeSignalHold() {
    // The kernel sends SIGXFSZ to the thread whose write passed the limit: it
    // is pending here, and taken back before the mask lets it through.
    if (!wasPending_ && fileSizeSignalPending()) {
        const sigset_t set = fileSizeSignal();
#if defined(__linux__)
        const timespec now = {0, 0};
        while (sigtimedwait(&set, nullptr, &now) < 0 && errno == EINTR) {
        }
#else
        int taken = 0;
        sigwait(&set, &taken);
#endif
    }
    pthread_sigmask(SIG_SETMASK, &previousMask_, nullptr);
}
