// Takes the lock that kavelo-config takes around a change of PATH, says
// "held", and keeps it until killed: another kavelo-config must wait for it,
// and go on once this program is gone.
//   hold-lock.exe PATH
#include "FileLock.h"

#include <windows.h>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2)
        return 2;
    const FileLock lock(argv[1]);
    std::puts("held");
    std::fflush(stdout);
    Sleep(INFINITE);
}
