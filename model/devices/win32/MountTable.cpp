// The "mount table" of Windows: its removable drives (memory cards in a
// reader, cameras plugged in as mass storage), each at its drive's root.
#include "CameraFiles.h"

#include "Utf8Paths.h"

std::vector<MountedFileSystem> mountedFileSystems(const char*) {
    std::vector<MountedFileSystem> drives;
    wchar_t names[512];
    const DWORD length = GetLogicalDriveStringsW(static_cast<DWORD>(std::size(names)), names);
    if (length == 0 || length >= std::size(names))
        return drives;
    // "C:\\\0D:\\\0...\0"
    for (const wchar_t* root = names; *root != L'\0'; root += wcslen(root) + 1) {
        if (GetDriveTypeW(root) != DRIVE_REMOVABLE)
            continue;
        const std::string path = utf8Path(root);
        drives.push_back({path.substr(0, 2), path, "removable"});
    }
    return drives;
}
