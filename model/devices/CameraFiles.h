// Finding a camera among the computer's mounted file systems: a camera's card
// holds its configuration file at its top, and that file names the camera's
// firmware and revision. Both the settings window and the command line look
// for cameras this way.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

struct CameraFile {
    std::string path; // the configuration file, as the folder names it ("config.txt" too)
    std::string firmwareString;
    std::string revisionString;
    int firmwareNumber = 0;
    int revisionNumber = 0;
    bool supported = false; // whether the window and the command line load it
    // Where the file is: a file system mounted at two places holds one file.
    unsigned long long device = 0;
    unsigned long long inode = 0;
};

// The camera configuration file at the top of `folder`: a file named
// CONFIG.TXT in any letter case, at most 7000 bytes, whose firmware and
// revision identifiers can be read, supported or not. Prints nothing and
// keeps no file open.
std::optional<CameraFile> cameraFileIn(const std::string& folder);

// What is left to read of the open file `fd`, at most one byte more than a
// camera's file may hold (so that a file too large shows); false on a read
// error.
bool readCameraFileBytes(int fd, std::string& text);

// The identification of a configuration file's text, found as the reader
// finds it, into `camera` (its path untouched); false when either identifier
// is missing.
bool identifyCameraText(const std::string& text, CameraFile& camera);

struct MountedFileSystem {
    std::string device;
    std::string mountPoint;
    std::string type;
};

// The file systems mounted now, in the order of the mount table (the
// system's own, /proc/self/mounts on Linux, or `table` when given).
std::vector<MountedFileSystem> mountedFileSystems(const char* table = nullptr);

// Whether a mounted file system may be a camera's card: not one of the
// kernel's own (proc, sysfs, cgroup ...) nor a network file system, whose
// folder a look could wait on.
bool mayHoldACamera(const MountedFileSystem& fileSystem);

struct MountedCamera {
    MountedFileSystem fileSystem;
    CameraFile file;
};

// How long a look into a card may take before the card counts as not
// answering (its reader failing, its file system's driver stopped).
constexpr std::chrono::milliseconds kCardAnswerLimit{2000};

// The camera file at the top of each folder, each looked into on a thread of
// its own, all at once, for at most `limit`: `answered` is false for a folder
// whose look did not come back in time. A look that hangs is not started
// again while it hangs: the next call reports the folder at once.
struct FolderLook {
    bool answered = false;
    std::optional<CameraFile> file;
};
std::vector<FolderLook> lookIntoFolders(const std::vector<std::string>& folders,
                                        std::chrono::milliseconds limit = kCardAnswerLimit);

struct CameraSearch {
    std::vector<MountedCamera> cameras;
    // File systems whose look did not come back in time.
    std::vector<MountedFileSystem> notAnswering;
};

// The cameras whose cards are mounted now, in the order of the mount table
// (the system's own, or `table` when given): every file system that may hold
// one and is not hidden by a later mount on the same folder, with the
// camera file at its top; a file system mounted at several places is listed
// at the first. The cards are looked into as lookIntoFolders() does.
CameraSearch findMountedCameras(std::chrono::milliseconds limit = kCardAnswerLimit,
                                const char* table = nullptr);

// The cameras of findMountedCameras() with the usual limit.
std::vector<MountedCamera> mountedCameras(const char* table = nullptr);
