// The lock between two programs changing one file, on Windows: a named
// mutex of the file's full path. A lock on the file itself would keep
// Windows from replacing the file while it is held, and a lock file would
// leave a file on the card. A program that ends holding it gives it up.
#include "FileLock.h"

#include "Utf8Paths.h"

#include <cwctype>

namespace {

// "Local\\kavelo-config-lock-" and a hash of the path in one letter case, as
// Windows compares paths.
std::wstring mutexName(const std::wstring& path) {
    const DWORD length = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    std::wstring full(length, L'\0');
    const DWORD written = GetFullPathNameW(path.c_str(), length, full.data(), nullptr);
    full.resize(written > 0 && written < length ? written : 0);
    if (full.empty())
        full = path;
    unsigned long long hash = 1469598103934665603ULL;
    for (wchar_t c : full) {
        hash ^= static_cast<unsigned long long>(std::towlower(c == L'/' ? L'\\' : c));
        hash *= 1099511628211ULL;
    }
    wchar_t text[17];
    swprintf(text, 17, L"%016llx", hash);
    return std::wstring(L"Local\\kavelo-config-lock-") + text;
}

} // namespace

FileLock::FileLock(const std::string& path) {
    take(path, std::chrono::milliseconds(-1));
}

FileLock::FileLock(const std::string& path, std::chrono::milliseconds limit) {
    take(path, limit);
}

void FileLock::take(const std::string& utf8, std::chrono::milliseconds limit) {
    const std::wstring path = widePath(utf8.c_str());
    // A file that cannot be found leaves the caller unlocked, as on POSIX:
    // the load says what is wrong.
    if (path.empty() || GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES)
        return;
    HANDLE mutex = CreateMutexW(nullptr, FALSE, mutexName(path).c_str());
    if (mutex == nullptr)
        return;
    const DWORD wait = limit.count() < 0 ? INFINITE : static_cast<DWORD>(limit.count());
    const DWORD result = WaitForSingleObject(mutex, wait);
    if (result == WAIT_OBJECT_0 || result == WAIT_ABANDONED) {
        handle_ = mutex;
        return;
    }
    heldByAnother_ = result == WAIT_TIMEOUT;
    CloseHandle(mutex);
}

FileLock::~FileLock() {
    if (handle_ != nullptr) {
        ReleaseMutex(static_cast<HANDLE>(handle_));
        CloseHandle(static_cast<HANDLE>(handle_));
    }
}
