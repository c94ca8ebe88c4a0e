#include "SaveTarget.h"

#include <cerrno>
#include <climits>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <vector>

namespace {

// As many links as the system itself follows before it gives up.
constexpr int kMostLinks = 40;

// Opens the directory `name`, relative to `base`. A directory that may be
// searched but not read still serves every step but the listing and the
// flush of the directory.
FileDescriptor openDirectory(int base, const std::string& name) {
    FileDescriptor directory(openat(base, name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
#if defined(O_PATH)
    if (!directory.valid() && errno == EACCES)
        directory.reset(openat(base, name.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
#endif
    return directory;
}

// The text of the symbolic link `name` in `directory`, or empty with errno.
std::string linkText(int directory, const std::string& name) {
    std::vector<char> text(PATH_MAX);
    const ssize_t length = readlinkat(directory, name.c_str(), text.data(), text.size());
    if (length < 0)
        return std::string();
    if (static_cast<std::size_t>(length) == text.size()) {
        errno = ENAMETOOLONG;
        return std::string();
    }
    return std::string(text.data(), static_cast<std::size_t>(length));
}

// In ASCII only: a locale's rules (the Turkish dotless i) are not the file
// system's.
bool sameIgnoringCase(const std::string& a, const char* b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    std::size_t i = 0;
    for (; i < a.size() && b[i] != '\0'; ++i) {
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return i == a.size() && b[i] == '\0';
}

// The name under which `directory` holds the file found as `name`. A file
// system that ignores letter case (FAT and exFAT, every camera's) finds
// CONFIG.TXT as "config.txt" too, and a rename to that spelling would change
// the name on the card: the spelling of the folder's own entry is kept. A
// file found although no entry is spelt so can only be on such a file system,
// where one entry at most matches. (Inode numbers do not tell: through FUSE
// each spelling may get one of its own.) `name` itself where the folder
// holds it so, or cannot be read.
std::string nameAsHeld(int directory, const std::string& name) {
    const int listing = openat(directory, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (listing < 0)
        return name;
    const std::unique_ptr<DIR, int (*)(DIR*)> entries(fdopendir(listing), closedir);
    if (!entries) {
        close(listing);
        return name;
    }
    std::string held = name;
    while (const dirent* entry = readdir(entries.get())) {
        if (name == entry->d_name)
            return name;
        if (held == name && sameIgnoringCase(name, entry->d_name))
            held = entry->d_name;
    }
    return held;
}

} // namespace

int findSaveTarget(const char* path, SaveTarget* target) {
    std::string remaining = path;
    FileDescriptor base; // the directory `remaining` is relative to; none: the working one
    for (int links = 0;; ++links) {
        const std::size_t slash = remaining.rfind('/');
        const std::string directoryName = slash == std::string::npos ? "."
                                          : slash == 0               ? "/"
                                                                     : remaining.substr(0, slash);
        target->name = slash == std::string::npos ? remaining : remaining.substr(slash + 1);
        if (target->name.empty())
            return EISDIR;
        target->directory = openDirectory(base.valid() ? base.get() : AT_FDCWD, directoryName);
        if (!target->directory.valid())
            return errno;
        if (fstatat(target->directory.get(), target->name.c_str(), &target->status,
                    AT_SYMLINK_NOFOLLOW) != 0) {
            // A link that leads nowhere names no file to replace.
            if (errno == ENOENT && links == 0) {
                target->exists = false;
                return 0;
            }
            return errno;
        }
        if (!S_ISLNK(target->status.st_mode)) {
            target->exists = true;
            const std::string held = nameAsHeld(target->directory.get(), target->name);
            if (held != target->name) {
                target->name = held;
                if (fstatat(target->directory.get(), held.c_str(), &target->status,
                            AT_SYMLINK_NOFOLLOW) != 0)
                    return errno;
            }
            return 0;
        }
        if (links == kMostLinks)
            return ELOOP;
        remaining = linkText(target->directory.get(), target->name);
        if (remaining.empty())
            return errno != 0 ? errno : ENOENT;
        // A relative link is read from the directory that holds it.
        base = std::move(target->directory);
    }
}
