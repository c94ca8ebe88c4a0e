// The safe save on Windows: the new text goes into a temporary beside the
// file, opened without sharing, written and flushed; then it is renamed over
// the file in one step (MoveFileExW, write-through), and given the file's
// attributes. Not ReplaceFileW: under Wine it takes the old file away before
// the new one comes, and a save killed in between lost the file (the file
// system keeps no ACLs or streams on a camera's card for it to carry over
// either). A file another program holds open
// (Explorer's preview, an antivirus) is tried again for a moment, then
// rewritten where it is: the text is on the card beside it by then.
// Temporaries that a save ended early left behind go with the next save.
#include "SafeFileReplace.h"

#include "Utf8Paths.h"

#include <cerrno>
#include <chrono>
#include <cwchar>
#include <iterator>
#include <thread>

namespace {

const wchar_t kTemporaryPrefix[] = L".kavelo-save-"; // then the saving process's id
constexpr int kReplaceAttempts = 10;
constexpr std::chrono::milliseconds kReplacePause{100};

class Handle {
  public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    ~Handle() { close(); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }
    bool close() {
        const bool closed = !valid() || CloseHandle(handle_) != 0;
        handle_ = INVALID_HANDLE_VALUE;
        return closed;
    }

  private:
    HANDLE handle_;
};

int lastErrno() {
    return errnoOf(GetLastError());
}

int writeAllTo(HANDLE file, const char* data, std::size_t size) {
    while (size > 0) {
        const DWORD chunk = size > 1u << 30 ? 1u << 30 : static_cast<DWORD>(size);
        DWORD written = 0;
        if (!WriteFile(file, data, chunk, &written, nullptr))
            return lastErrno();
        if (written == 0)
            return EIO;
        data += written;
        size -= written;
    }
    return 0;
}

// The path from the drive's root: the folder of a relative one is then known.
std::wstring fullPath(const std::wstring& path) {
    if (path.empty())
        return path;
    const DWORD length = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    std::wstring full(length, L'\0');
    const DWORD written = GetFullPathNameW(path.c_str(), length, full.data(), nullptr);
    if (written == 0 || written >= length)
        return path;
    full.resize(written);
    return full;
}

// The folder of `path`, with its separator, or empty for the current one.
std::wstring folderOf(const std::wstring& path) {
    const std::size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1);
}

// The file's name as the folder spells it: a save through "config.txt"
// keeps the card's "CONFIG.TXT".
std::wstring asTheFolderSpellsIt(const std::wstring& path) {
    if (path.find_first_of(L"*?") != std::wstring::npos)
        return path;
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW(path.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return path;
    FindClose(search);
    return folderOf(path) + found.cFileName;
}

bool isRunning(DWORD process) {
    if (process == GetCurrentProcessId())
        return true;
    const HANDLE handle = OpenProcess(SYNCHRONIZE, FALSE, process);
    if (handle == nullptr)
        return GetLastError() == ERROR_ACCESS_DENIED; // another user's, running
    const bool running = WaitForSingleObject(handle, 0) == WAIT_TIMEOUT;
    CloseHandle(handle);
    return running;
}

// The temporaries in `folder` of saves whose program no longer runs (killed,
// or the card pulled out under it). A running save's own stays: it names
// that program, and it is open without sharing, so it cannot be deleted.
void removeLeftoverTemporaries(const std::wstring& folder) {
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW((folder + kTemporaryPrefix + L"*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        const wchar_t* process = found.cFileName + std::size(kTemporaryPrefix) - 1;
        if (!isRunning(static_cast<DWORD>(std::wcstoul(process, nullptr, 10))))
            DeleteFileW((folder + found.cFileName).c_str());
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

int rewrite(const std::wstring& path, const char* data, std::size_t size) {
    Handle file(CreateFileW(path.c_str(), GENERIC_WRITE,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid())
        return lastErrno();
    int error = writeAllTo(file.get(), data, size);
    if (error == 0 && !SetEndOfFile(file.get()))
        error = lastErrno();
    if (error == 0 && !FlushFileBuffers(file.get()))
        error = lastErrno();
    if (!file.close() && error == 0)
        error = lastErrno();
    return error;
}

// Where the file stands: 0 when it can be written, else why not.
int checkTarget(const std::wstring& path, bool* exists, DWORD* kept = nullptr) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    *exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (kept != nullptr)
        *kept = attributes;
    if (!*exists) {
        const int error = lastErrno();
        return error == ENOENT ? 0 : error;
    }
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        return EISDIR;
    if (attributes & FILE_ATTRIBUTE_DEVICE)
        return EINVAL;
    if (attributes & FILE_ATTRIBUTE_READONLY)
        return EACCES;
    return 0;
}

int replace(const char* utf8, const char* data, std::size_t size) {
    const std::wstring path = asTheFolderSpellsIt(fullPath(widePath(utf8)));
    if (path.empty())
        return ENOENT;
    bool exists = false;
    DWORD attributes = 0;
    if (const int error = checkTarget(path, &exists, &attributes))
        return error;
    removeLeftoverTemporaries(folderOf(path));

    std::wstring temporary;
    HANDLE created = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < 100 && created == INVALID_HANDLE_VALUE; ++attempt) {
        temporary = folderOf(path) + kTemporaryPrefix + std::to_wstring(GetCurrentProcessId()) +
                    L"-" + std::to_wstring(GetTickCount64() + static_cast<ULONGLONG>(attempt));
        created = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_HIDDEN, nullptr);
        if (created == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS)
            break;
    }
    Handle file(created);
    if (!file.valid()) {
        const int error = lastErrno();
        // A folder that takes no new file still lets its file be rewritten.
        return exists && error == EACCES ? rewrite(path, data, size) : error;
    }
    int error = writeAllTo(file.get(), data, size);
    if (error == 0 && !FlushFileBuffers(file.get()))
        error = lastErrno();
    if (!file.close() && error == 0)
        error = lastErrno();
    if (error == 0 && !exists &&
        !MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_WRITE_THROUGH))
        error = lastErrno();
    if (error == 0 && exists) {
        bool replaced = false;
        for (int attempt = 0; attempt < kReplaceAttempts && !replaced; ++attempt) {
            if (attempt > 0)
                std::this_thread::sleep_for(kReplacePause);
            replaced = MoveFileExW(temporary.c_str(), path.c_str(),
                                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
        }
        // Held open throughout by another program: written where it is.
        // Replaced, it has the temporary's attributes: it gets its own back.
        if (!replaced)
            error = rewrite(path, data, size);
        else
            SetFileAttributesW(path.c_str(), attributes);
    }
    DeleteFileW(temporary.c_str()); // gone already when it replaced the file
    if (error == 0 && !exists)
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    return error;
}

} // namespace

void setFileReplaceCallsForTesting(const FileReplaceCalls*) {
    // The POSIX save's calls; the Win32 save has no such seam.
}

bool replaceFileContents(const char* path, const char* data, std::size_t size, int* error) {
    *error = replace(path, data, size);
    return *error == 0;
}

bool fitsInPlace(const char* utf8, std::size_t size) {
    const std::wstring path = widePath(utf8);
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (path.empty() || !GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return false;
    const unsigned long long length =
        (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    // The space the file takes: its size, rounded up to the volume's cluster.
    unsigned long long cluster = 512;
    wchar_t volume[MAX_PATH];
    DWORD sectorsPerCluster = 0, bytesPerSector = 0, freeClusters = 0, clusters = 0;
    if (GetVolumePathNameW(path.c_str(), volume, MAX_PATH) &&
        GetDiskFreeSpaceW(volume, &sectorsPerCluster, &bytesPerSector, &freeClusters, &clusters))
        cluster = static_cast<unsigned long long>(sectorsPerCluster) * bytesPerSector;
    const unsigned long long taken =
        cluster > 0 ? (length + cluster - 1) / cluster * cluster : length;
    return size <= taken;
}

bool rewriteFileInPlace(const char* utf8, const char* data, std::size_t size, int* error) {
    const std::wstring path = widePath(utf8);
    bool exists = false;
    *error = path.empty() ? ENOENT : checkTarget(path, &exists);
    if (*error == 0 && !exists)
        *error = ENOENT;
    if (*error == 0)
        *error = rewrite(path, data, size);
    return *error == 0;
}
