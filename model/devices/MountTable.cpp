// The mount table of a POSIX system: the kernel's list of this process's
// mounts on Linux, the classic file elsewhere.
#include "CameraFiles.h"

#include <cstdio>
#include <memory>
#include <mntent.h>
#include <paths.h>

namespace {

bool readTable(const char* table, std::vector<MountedFileSystem>& fileSystems) {
    const std::unique_ptr<FILE, int (*)(FILE*)> stream(setmntent(table, "re"), endmntent);
    if (!stream)
        return false;
    mntent entry;
    char strings[4 * 4096];
    while (getmntent_r(stream.get(), &entry, strings, sizeof strings) != nullptr)
        fileSystems.push_back({entry.mnt_fsname, entry.mnt_dir, entry.mnt_type});
    return true;
}

} // namespace

std::vector<MountedFileSystem> mountedFileSystems(const char* table) {
    std::vector<MountedFileSystem> fileSystems;
    if (table != nullptr) {
        readTable(table, fileSystems);
        return fileSystems;
    }
    // The kernel's table of this process; the classic file where there is no
    // /proc.
    if (!readTable("/proc/self/mounts", fileSystems))
        readTable(_PATH_MOUNTED, fileSystems);
    return fileSystems;
}
