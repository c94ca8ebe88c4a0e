// Stand-in until the command line's camera finder lands: the same interface.
#include "CameraFiles.h"

#include "CameraRules.h"
#include "KaveloConfigParser.h"

#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <mntent.h>
#include <strings.h>
#include <sys/stat.h>

std::optional<CameraFile> cameraFileIn(const std::string& folder) {
    DIR* directory = opendir(folder.c_str());
    if (directory == nullptr)
        return std::nullopt;
    std::string name;
    while (const dirent* entry = readdir(directory)) {
        if (strcasecmp(entry->d_name, "CONFIG.TXT") == 0) {
            name = entry->d_name;
            break;
        }
    }
    closedir(directory);
    if (name.empty())
        return std::nullopt;
    const std::string path = folder + "/" + name;
    struct stat status;
    if (stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode) ||
        status.st_size > kMaxFileSize)
        return std::nullopt;
    FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr)
        return std::nullopt;
    char text[kMaxFileSize];
    const long length = static_cast<long>(std::fread(text, 1, sizeof text, file));
    std::fclose(file);
    KaveloConfigParser parser;
    char firmware[kTextSize] = {};
    char revision[kTextSize] = {};
    if (!parser.getFirmwareString(text, length, firmware) ||
        !parser.getRevisionString(text, length, revision))
        return std::nullopt;
    CameraFile camera;
    camera.path = path;
    camera.firmwareString = firmware;
    camera.revisionString = revision;
    camera.firmwareNumber = parser.getFirmwareNumber();
    camera.revisionNumber = parser.getRevisionNumber();
    camera.supported =
        rules::isSupportedIdentification(camera.firmwareNumber, camera.revisionNumber);
    return camera;
}

std::vector<MountedFileSystem> mountedFileSystems(const char* table) {
    std::vector<MountedFileSystem> all;
    FILE* file = setmntent(table != nullptr ? table : "/proc/self/mounts", "r");
    if (file == nullptr)
        return all;
    while (const mntent* entry = getmntent(file))
        all.push_back({entry->mnt_fsname, entry->mnt_dir, entry->mnt_type});
    endmntent(file);
    return all;
}

bool mayHoldACamera(const MountedFileSystem& fileSystem) {
    static const char* const kNot[] = {"proc", "sysfs", "cgroup", "cgroup2",    "devpts", "nfs",
                                       "nfs4", "cifs",  "smb3",   "fuse.sshfs", "9p",     "autofs"};
    for (const char* type : kNot) {
        if (fileSystem.type == type)
            return false;
    }
    return true;
}
