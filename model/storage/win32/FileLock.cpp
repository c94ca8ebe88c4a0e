// The lock between two programs changing one file, on Windows: a named
// mutex of the file's full path. A lock on the file itself would keep
// Windows from replacing the file while it is held, and a lock file would
// leave a file on the card. A program that ends holding it gives it up.
// A mutex is its thread's to take again; the files this program holds are
// noted too, so that two locks here exclude each other as on POSIX.
#include "FileLock.h"

#include "Utf8Paths.h"

#include <condition_variable>
#include <cwctype>
#include <mutex>
#include <set>

namespace {

std::mutex gHeldHere;
std::condition_variable gLetGo;
std::set<std::wstring> gNamesHeldHere;

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
    const std::wstring name = mutexName(path);
    const auto deadline = std::chrono::steady_clock::now() + limit;
    {
        std::unique_lock<std::mutex> guard(gHeldHere);
        const auto free = [&] { return gNamesHeldHere.count(name) == 0; };
        if (limit.count() < 0)
            gLetGo.wait(guard, free);
        else if (!gLetGo.wait_until(guard, deadline, free)) {
            heldByAnother_ = true;
            return;
        }
        gNamesHeldHere.insert(name);
    }
    HANDLE mutex = CreateMutexW(nullptr, FALSE, name.c_str());
    DWORD result = WAIT_FAILED;
    if (mutex != nullptr) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        result = WaitForSingleObject(mutex, limit.count() < 0  ? INFINITE
                                            : left.count() > 0 ? static_cast<DWORD>(left.count())
                                                               : 0);
    }
    if (result == WAIT_OBJECT_0 || result == WAIT_ABANDONED) {
        handle_ = mutex;
        name_ = name;
        return;
    }
    heldByAnother_ = result == WAIT_TIMEOUT;
    if (mutex != nullptr)
        CloseHandle(mutex);
    letGo(name);
}

void FileLock::letGo(const std::wstring& name) {
    {
        const std::lock_guard<std::mutex> guard(gHeldHere);
        gNamesHeldHere.erase(name);
    }
    gLetGo.notify_all();
}

FileLock::~FileLock() {
    if (handle_ != nullptr) {
        ReleaseMutex(static_cast<HANDLE>(handle_));
        CloseHandle(static_cast<HANDLE>(handle_));
        letGo(name_);
    }
}
