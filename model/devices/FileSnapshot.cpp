#include "FileSnapshot.h"

#include "CameraFiles.h"
#include "FileDescriptor.h"
#include "KaveloConfigParser.h"

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// FNV-1a: enough to tell two texts of a few kilobytes apart, and the same on
// every system.
std::uint64_t checksumOf(const char* data, std::size_t size) {
    std::uint64_t hash = 14695981039346656037ULL;
    for (std::size_t i = 0; i < size; ++i) {
        hash ^= static_cast<unsigned char>(data[i]);
        hash *= 1099511628211ULL;
    }
    return hash;
}

// The UUID of the file system on the block device `device`, from the names
// that udev gives file systems; empty where it gives none (tmpfs, a FUSE file
// system, a system without udev).
std::string uuidOfDevice(dev_t device) {
    constexpr char kFolder[] = "/dev/disk/by-uuid";
    const std::unique_ptr<DIR, int (*)(DIR*)> folder(opendir(kFolder), closedir);
    if (!folder)
        return {};
    while (const dirent* entry = readdir(folder.get())) {
        if (entry->d_name[0] == '.')
            continue;
        struct stat node;
        const std::string link = std::string(kFolder) + "/" + entry->d_name;
        if (stat(link.c_str(), &node) == 0 && S_ISBLK(node.st_mode) && node.st_rdev == device)
            return entry->d_name;
    }
    return {};
}

} // namespace

FileSnapshot snapshotOf(const std::string& path) {
    FileSnapshot snapshot;
    const FileDescriptor file(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    struct stat status;
    if (!file.valid()) {
        snapshot.error = errno;
        snapshot.state = errno == ENOENT || errno == ENOTDIR ? FileSnapshot::State::missing
                                                             : FileSnapshot::State::unreadable;
        return snapshot;
    }
    std::string text;
    if (fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode) ||
        !readCameraFileBytes(file.get(), text)) {
        snapshot.error = errno != 0 ? errno : EINVAL;
        snapshot.state = FileSnapshot::State::unreadable;
        return snapshot;
    }
    snapshot.state = FileSnapshot::State::present;
    snapshot.device = status.st_dev;
    snapshot.inode = status.st_ino;
    snapshot.size = static_cast<long long>(text.size());
    snapshot.modifiedNanoseconds =
        static_cast<long long>(status.st_mtim.tv_sec) * 1000000000LL + status.st_mtim.tv_nsec;
    snapshot.checksum = checksumOf(text.data(), text.size());
    CameraFile camera;
    if (identifyCameraText(text, camera)) {
        snapshot.firmwareString = camera.firmwareString;
        snapshot.revisionString = camera.revisionString;
    }
    snapshot.cardUuid = uuidOfDevice(status.st_dev);
    return snapshot;
}

FileSnapshot snapshotHolding(FileSnapshot where, const std::string& text) {
    where.state = FileSnapshot::State::present;
    where.size = static_cast<long long>(text.size());
    where.checksum = checksumOf(text.data(), text.size());
    CameraFile camera;
    const bool identified = identifyCameraText(text, camera);
    where.firmwareString = identified ? camera.firmwareString : std::string();
    where.revisionString = identified ? camera.revisionString : std::string();
    return where;
}

FileChange changeBetween(const FileSnapshot& held, const FileSnapshot& now) {
    if (now.state == FileSnapshot::State::missing)
        return held.state == FileSnapshot::State::missing ? FileChange::unchanged
                                                          : FileChange::deleted;
    if (now.state == FileSnapshot::State::unreadable)
        return FileChange::changed;
    if (held.state != FileSnapshot::State::present)
        return FileChange::changed;
    // A file of another camera, or the same camera's file on another card
    // (two cameras of one model name themselves alike), is never this one.
    if (now.firmwareString != held.firmwareString || now.revisionString != held.revisionString)
        return FileChange::otherCamera;
    if (!held.cardUuid.empty() && !now.cardUuid.empty() && held.cardUuid != now.cardUuid)
        return FileChange::otherCamera;
    // Another program that wrote the same bytes took nothing away: only the
    // text counts, not its inode or time.
    if (now.size != held.size || now.checksum != held.checksum)
        return FileChange::changed;
    return FileChange::unchanged;
}
