// Finding cameras: the mount table, the file systems a look cannot hang on,
// and the configuration file at the top of a folder.
#include "CameraFiles.h"

#include "CameraRules.h"
#include "FileDescriptor.h"
#include "KaveloConfigParser.h"

#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <map>
#include <memory>
#include <mutex>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr char kConfigFileName[] = "CONFIG.TXT";
#if defined(_WIN32)
constexpr bool kBackslashSeparates = true; // a drive's folder is "E:\\"
#else
constexpr bool kBackslashSeparates = false;
#endif

// Whether `name` is CONFIG.TXT in some letter case. In ASCII only: a
// locale's rules (the Turkish dotless i) must not hide the file.
bool isConfigFileName(const char* name) {
    std::size_t i = 0;
    for (; name[i] != '\0' && kConfigFileName[i] != '\0'; ++i) {
        const char c =
            name[i] >= 'a' && name[i] <= 'z' ? static_cast<char>(name[i] - 'a' + 'A') : name[i];
        if (c != kConfigFileName[i])
            return false;
    }
    return name[i] == '\0' && kConfigFileName[i] == '\0';
}

// The names in `folder` that are CONFIG.TXT in some letter case, in byte
// order, so that "CONFIG.TXT" comes before "config.txt" where a file system
// that tells case apart holds both.
std::vector<std::string> configFileNames(const std::string& folder) {
    std::vector<std::string> names;
    const std::unique_ptr<DIR, int (*)(DIR*)> directory(opendir(folder.c_str()), closedir);
    if (!directory)
        return names;
    while (const dirent* entry = readdir(directory.get())) {
        if (isConfigFileName(entry->d_name))
            names.emplace_back(entry->d_name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

bool readCameraFileBytes(int fd, std::string& text) {
    char buffer[kMaxFileSize + 1];
    std::size_t got = 0;
    while (got < sizeof buffer) {
        const ssize_t n = read(fd, buffer + got, sizeof buffer - got);
        if (n == 0)
            break;
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        got += static_cast<std::size_t>(n);
    }
    text.assign(buffer, got);
    return true;
}

namespace {

// The whole text of a regular file of at most kMaxFileSize bytes; false for
// anything else. Opened without blocking, so that a FIFO by that name does
// not wait for a writer.
bool readSmallFile(const std::string& path, std::string& text, CameraFile& camera) {
#if defined(_WIN32)
    const FileDescriptor file(open(path.c_str(), O_RDONLY | O_BINARY));
#else
    const FileDescriptor file(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
#endif
    struct stat status;
    if (!file.valid() || fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode) ||
        status.st_size > kMaxFileSize)
        return false;
    camera.device = status.st_dev;
    camera.inode = status.st_ino;
    // One byte more than allowed shows a file that grew since fstat.
    return readCameraFileBytes(file.get(), text) &&
           text.size() <= static_cast<std::size_t>(kMaxFileSize);
}

bool inList(const std::string& type, std::initializer_list<const char*> list) {
    return std::any_of(list.begin(), list.end(), [&](const char* name) { return type == name; });
}

} // namespace

bool identifyCameraText(const std::string& text, CameraFile& camera) {
    KaveloConfigParser parser;
    char firmware[kTextSize] = {};
    char revision[kTextSize] = {};
    const long length = static_cast<long>(text.size());
    if (!parser.getFirmwareString(text.data(), length, firmware) ||
        !parser.getRevisionString(text.data(), length, revision))
        return false;
    camera.firmwareString = firmware;
    camera.revisionString = revision;
    camera.firmwareNumber = parser.getFirmwareNumber();
    camera.revisionNumber = parser.getRevisionNumber();
    camera.supported =
        rules::isSupportedIdentification(camera.firmwareNumber, camera.revisionNumber);
    return true;
}

std::optional<CameraFile> cameraFileIn(const std::string& folder) {
    const bool endsWithSeparator =
        !folder.empty() && (folder.back() == '/' || (kBackslashSeparates && folder.back() == '\\'));
    const std::string prefix = endsWithSeparator ? folder : folder + "/";
    for (const std::string& name : configFileNames(folder)) {
        CameraFile camera;
        camera.path = prefix + name;
        std::string text;
        if (readSmallFile(camera.path, text, camera) && identifyCameraText(text, camera))
            return camera;
    }
    return std::nullopt;
}

bool mayHoldACamera(const MountedFileSystem& fileSystem) {
    const std::string& type = fileSystem.type;
    // The kernel's own views of itself, and automount points, where a look
    // mounts whatever stands behind them.
    if (inList(type, {"proc",       "sysfs",   "devtmpfs",  "devpts",   "cgroup",      "cgroup2",
                      "securityfs", "debugfs", "tracefs",   "configfs", "pstore",      "bpf",
                      "efivarfs",   "mqueue",  "hugetlbfs", "fusectl",  "binfmt_misc", "autofs",
                      "rpc_pipefs", "nfsd",    "selinuxfs", "nsfs",     "rootfs"}))
        return false;
    // Network file systems, whose server may not answer.
    if (inList(type, {"nfs", "nfs4", "cifs", "smb3", "smbfs", "ncpfs", "9p", "afs", "ceph", "coda",
                      "davfs", "sshfs", "lustre", "glusterfs", "gpfs", "orangefs"}))
        return false;
    // A FUSE file system lives in a program that may hang (sshfs, the
    // desktop's network folders, rclone); one on a block device is a local
    // disk (exFAT or NTFS through FUSE) and is kept.
    if (type == "fuse" || type.compare(0, 5, "fuse.") == 0)
        return false;
    return true;
}

namespace {

// A look into one folder, which may never come back.
struct Look {
    std::mutex mutex;
    std::condition_variable done;
    bool finished = false;
    std::optional<CameraFile> file;
};

// The looks that had not come back when their search gave up, by folder.
// Never destroyed: a look may still be running while the program exits.
struct Hanging {
    std::mutex mutex;
    std::map<std::string, std::shared_ptr<Look>> looks;
};
Hanging& hanging() {
    static Hanging* const all = new Hanging;
    return *all;
}

std::shared_ptr<Look> startLook(const std::string& folder) {
    {
        Hanging& all = hanging();
        const std::lock_guard<std::mutex> hold(all.mutex);
        const auto earlier = all.looks.find(folder);
        if (earlier != all.looks.end()) {
            const std::lock_guard<std::mutex> holdLook(earlier->second->mutex);
            if (!earlier->second->finished)
                return earlier->second;
            all.looks.erase(earlier); // back at last: look again, afresh
        }
    }
    auto look = std::make_shared<Look>();
    try {
        std::thread([look, folder] {
            std::optional<CameraFile> file = cameraFileIn(folder);
            const std::lock_guard<std::mutex> hold(look->mutex);
            look->file = std::move(file);
            look->finished = true;
            look->done.notify_all();
        }).detach();
    } catch (const std::system_error&) {
        return look; // no thread to be had: the card counts as not answering
    }
    return look;
}

// Whether `look` came back by `deadline`; one that did not is kept, so that
// the next search does not start another look into the same card.
bool waitFor(const std::string& folder, const std::shared_ptr<Look>& look,
             std::chrono::steady_clock::time_point deadline) {
    std::unique_lock<std::mutex> hold(look->mutex);
    if (look->done.wait_until(hold, deadline, [&] { return look->finished; }))
        return true;
    hold.unlock();
    Hanging& all = hanging();
    const std::lock_guard<std::mutex> holdAll(all.mutex);
    all.looks[folder] = look;
    return false;
}

} // namespace

std::vector<FolderLook> lookIntoFolders(const std::vector<std::string>& folders,
                                        std::chrono::milliseconds limit) {
    std::vector<std::shared_ptr<Look>> looks;
    for (const std::string& folder : folders)
        looks.push_back(startLook(folder));
    const auto deadline = std::chrono::steady_clock::now() + limit;
    std::vector<FolderLook> found(folders.size());
    for (std::size_t i = 0; i < folders.size(); ++i) {
        found[i].answered = waitFor(folders[i], looks[i], deadline);
        if (found[i].answered) {
            const std::lock_guard<std::mutex> hold(looks[i]->mutex);
            found[i].file = looks[i]->file;
        }
    }
    return found;
}

CameraSearch findMountedCameras(std::chrono::milliseconds limit, const char* table) {
    const std::vector<MountedFileSystem> fileSystems = mountedFileSystems(table);
    std::vector<MountedFileSystem> candidates;
    std::vector<std::string> folders;
    for (std::size_t i = 0; i < fileSystems.size(); ++i) {
        const MountedFileSystem& fileSystem = fileSystems[i];
        // A later mount on the same folder hides this one.
        const bool hidden = std::any_of(fileSystems.begin() + static_cast<long>(i) + 1,
                                        fileSystems.end(), [&](const MountedFileSystem& later) {
                                            return later.mountPoint == fileSystem.mountPoint;
                                        });
        if (!hidden && mayHoldACamera(fileSystem)) {
            candidates.push_back(fileSystem);
            folders.push_back(fileSystem.mountPoint);
        }
    }
    const std::vector<FolderLook> looks = lookIntoFolders(folders, limit);
    CameraSearch search;
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        const std::optional<CameraFile>& file = looks[i].file;
        if (!looks[i].answered)
            search.notAnswering.push_back(candidates[i]);
        if (!file)
            continue;
        const bool seen = std::any_of(
            search.cameras.begin(), search.cameras.end(), [&](const MountedCamera& camera) {
                return camera.file.device == file->device && camera.file.inode == file->inode;
            });
        if (!seen)
            search.cameras.push_back({candidates[i], *file});
    }
    return search;
}

std::vector<MountedCamera> mountedCameras(const char* table) {
    return findMountedCameras(kCardAnswerLimit, table).cameras;
}
