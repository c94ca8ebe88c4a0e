#include "FileAttributes.h"

#include <cerrno>
#include <string>
#include <unistd.h>
#include <vector>

#if defined(__linux__) || defined(__APPLE__)
#include <sys/xattr.h>
#define KAVELO_HAS_XATTRS 1
#endif

namespace {

#if KAVELO_HAS_XATTRS

// The calls differ between Linux and macOS only in their options.
ssize_t listNames(int fd, char* names, std::size_t size) {
#if defined(__APPLE__)
    return flistxattr(fd, names, size, 0);
#else
    return flistxattr(fd, names, size);
#endif
}
ssize_t getValue(int fd, const char* name, void* value, std::size_t size) {
#if defined(__APPLE__)
    return fgetxattr(fd, name, value, size, 0, 0);
#else
    return fgetxattr(fd, name, value, size);
#endif
}
int setValue(int fd, const char* name, const void* value, std::size_t size) {
#if defined(__APPLE__)
    return fsetxattr(fd, name, value, size, 0, 0);
#else
    return fsetxattr(fd, name, value, size, 0);
#endif
}
int removeValue(int fd, const char* name) {
#if defined(__APPLE__)
    return fremovexattr(fd, name, 0);
#else
    return fremovexattr(fd, name);
#endif
}

bool unsupported(int error) {
    return error == ENOTSUP || error == EOPNOTSUPP;
}

// Reads a list or a value whose size may change between asking and reading.
template <typename Read> bool readGrowing(Read read, std::string* result) {
    for (int attempt = 0; attempt < 8; ++attempt) {
        const ssize_t size = read(nullptr, 0);
        if (size < 0)
            return false;
        result->assign(static_cast<std::size_t>(size), '\0');
        const ssize_t got = read(&(*result)[0], result->size());
        if (got >= 0) {
            result->resize(static_cast<std::size_t>(got));
            return true;
        }
        if (errno != ERANGE)
            return false;
    }
    return false;
}

// The names of the file's attributes; none where the file system keeps none.
bool attributeNames(int fd, std::vector<std::string>* names) {
    std::string list;
    if (!readGrowing([fd](char* buffer, std::size_t size) { return listNames(fd, buffer, size); },
                     &list))
        return unsupported(errno);
    for (std::size_t start = 0; start < list.size();) {
        const std::size_t end = list.find('\0', start);
        names->push_back(list.substr(start, end - start));
        start = end == std::string::npos ? list.size() : end + 1;
    }
    return true;
}

bool valueOf(int fd, const std::string& name, std::string* value) {
    return readGrowing(
        [fd, &name](char* buffer, std::size_t size) {
            return getValue(fd, name.c_str(), buffer, size);
        },
        value);
}

bool contains(const std::vector<std::string>& names, const std::string& name) {
    for (const std::string& each : names) {
        if (each == name)
            return true;
    }
    return false;
}

// Makes the copy's attributes the original's: a new file may get some of its
// own (an ACL inherited from the directory, a security label).
bool takeOverExtendedAttributes(int original, int copy) {
    std::vector<std::string> wanted;
    std::vector<std::string> present;
    if (!attributeNames(original, &wanted) || !attributeNames(copy, &present))
        return false;
    for (const std::string& name : present) {
        if (!contains(wanted, name) && removeValue(copy, name.c_str()) != 0)
            return false;
    }
    for (const std::string& name : wanted) {
        std::string value;
        std::string existing;
        if (!valueOf(original, name, &value))
            return false;
        if (valueOf(copy, name, &existing) && existing == value)
            continue;
        if (setValue(copy, name.c_str(), value.data(), value.size()) != 0)
            return false;
    }
    return true;
}

#else

// Without extended attributes there are none to lose.
bool takeOverExtendedAttributes(int, int) {
    return true;
}

#endif

} // namespace

bool takeOverAttributes(int original, const struct stat& status, int copy) {
    struct stat now;
    if (fstat(copy, &now) != 0)
        return false;
    // Giving a file away, or to a group one is no member of, takes privilege.
    if ((now.st_uid != status.st_uid || now.st_gid != status.st_gid) &&
        fchown(copy, status.st_uid, status.st_gid) != 0)
        return false;
    // The attributes before the mode: an ACL sets the group bits, and the
    // mode then agrees with it. A FAT card takes no mode change, but gives
    // both files the same mode anyway.
    if (!takeOverExtendedAttributes(original, copy))
        return false;
    const mode_t mode = status.st_mode & 07777;
    if (fchmod(copy, mode) != 0) {
        // what the file has is checked below
    }
    return fstat(copy, &now) == 0 && now.st_uid == status.st_uid && now.st_gid == status.st_gid &&
           (now.st_mode & 07777) == mode;
}
