#include "SafeFileReplace.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const FileReplaceCalls kSystemCalls = {::write, ::fsync, ::close, ::rename};
const FileReplaceCalls* gCalls = &kSystemCalls;

bool writeAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = gCalls->write(fd, data, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

std::string directoryOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The file that a save must replace: the path itself, or the file that a
// symbolic link names. Empty when the link leads nowhere.
std::string resolveTarget(const char* path, bool* exists, struct stat* status) {
    struct stat linkStatus;
    if (lstat(path, &linkStatus) != 0) {
        *exists = false;
        return path;
    }
    if (!S_ISLNK(linkStatus.st_mode)) {
        *exists = true;
        *status = linkStatus;
        return path;
    }
    char* resolved = realpath(path, nullptr);
    if (resolved == nullptr)
        return std::string();
    std::string target = resolved;
    std::free(resolved);
    *exists = stat(target.c_str(), status) == 0;
    return target;
}

mode_t creationMode() {
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

} // namespace

void setFileReplaceCallsForTesting(const FileReplaceCalls* calls) {
    gCalls = calls != nullptr ? calls : &kSystemCalls;
}

bool replaceFileContents(const char* path, const char* data, std::size_t size) {
    if (path == nullptr || *path == '\0')
        return false;
    bool exists = false;
    struct stat status;
    const std::string target = resolveTarget(path, &exists, &status);
    if (target.empty())
        return false;
    // A device or a directory is never replaced by a regular file.
    if (exists && !S_ISREG(status.st_mode))
        return false;

    std::string temporary = directoryOf(target) + "/.kavelo-save-XXXXXX";
    const int fd = mkstemp(&temporary[0]);
    if (fd < 0)
        return false;
    // A FAT card keeps no permission bits or owner: failing to copy them there
    // is no failure of the save.
    const mode_t mode = exists ? status.st_mode & 07777 : creationMode();
    if (exists && fchown(fd, status.st_uid, status.st_gid) != 0) {
        // kept by the temporary file's creator instead
    }
    if (fchmod(fd, mode) != 0) {
        // the file system keeps no modes
    }
    bool ok = writeAll(fd, data, size) && gCalls->fsync(fd) == 0;
    ok = gCalls->close(fd) == 0 && ok;
    if (ok)
        ok = gCalls->rename(temporary.c_str(), target.c_str()) == 0;
    if (!ok) {
        unlink(temporary.c_str());
        return false;
    }
    // Make the rename itself durable; a directory that cannot be synced (some
    // file systems refuse) still holds the new file.
    const int directory = open(directoryOf(target).c_str(), O_RDONLY | O_DIRECTORY);
    if (directory >= 0) {
        if (fsync(directory) != 0) {
            // the new file is in place all the same
        }
        ::close(directory);
    }
    return true;
}
