#include "FileStamp.h"

#include "Utf8Paths.h"

#include <io.h>

namespace {

long long ticks(const FILETIME& time) {
    return static_cast<long long>((static_cast<unsigned long long>(time.dwHighDateTime) << 32) |
                                  time.dwLowDateTime);
}

} // namespace

bool stampFile(int descriptor, FileStamp* stamp) {
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(descriptor));
    BY_HANDLE_FILE_INFORMATION information;
    if (handle == INVALID_HANDLE_VALUE || !GetFileInformationByHandle(handle, &information))
        return false;
    stamp->regular = (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
                     GetFileType(handle) == FILE_TYPE_DISK;
    stamp->size =
        static_cast<long long>((static_cast<unsigned long long>(information.nFileSizeHigh) << 32) |
                               information.nFileSizeLow);
    stamp->modified = ticks(information.ftLastWriteTime);
    stamp->changed = ticks(information.ftCreationTime);
    return true;
}

long readFromStart(int descriptor, char* buffer, long size) {
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(descriptor));
    long got = 0;
    while (got < size) {
        OVERLAPPED at = {};
        at.Offset = static_cast<DWORD>(got);
        DWORD n = 0;
        if (!ReadFile(handle, buffer + got, static_cast<DWORD>(size - got), &n, &at) || n == 0)
            break;
        got += static_cast<long>(n);
    }
    return got;
}

void waitForWriteUnderWay(int) {
    // Windows has no such wait: the second read and the stamps tell.
}
