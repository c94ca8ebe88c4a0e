// Finding cameras: the configuration file at the top of a folder, the mount
// table as getmntent reads it, and which file systems are looked at.
#include "CameraFiles.h"
#include "TestFiles.h"
#include "WindowsSkips.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#else
#include <dirent.h>
#include <sys/stat.h>
#endif

namespace {

const std::string kSupported = identificationOnly("KAVELO_FW v2.20", "HW v003");

// A text of exactly `size` bytes that ends in a supported identification.
std::string paddedTo(std::size_t size) {
    return std::string(size - kSupported.size() - 1, 'x') + "\n" + kSupported;
}

enum class Kind { File, Folder, Fifo };

struct Entry {
    const char* name;
    std::string content;
    Kind kind = Kind::File;
};

struct FolderCase {
    const char* what;
    std::vector<Entry> entries;
    const char* found; // the file found, or nullptr for no camera
    int firmwareNumber;
    int revisionNumber;
    bool supported;
};

void PrintTo(const FolderCase& c, std::ostream* out) {
    *out << c.what;
}

class CameraFileIn : public testing::TestWithParam<FolderCase> {};

TEST_P(CameraFileIn, FindsTheConfigurationFileAtTheTop) {
    const FolderCase& c = GetParam();
#ifdef _WIN32
    for (const Entry& a : c.entries)
        for (const Entry& b : c.entries)
            if (&a != &b && _stricmp(a.name, b.name) == 0)
                GTEST_SKIP()
                    << "its folders hold one file for names that differ only in letter case";
#endif
    ScratchDirectory folder;
    for (const Entry& entry : c.entries) {
        if (entry.kind == Kind::Folder)
            ASSERT_TRUE(makeFolder(folder.file(entry.name)));
        else if (entry.kind == Kind::Fifo)
#ifdef _WIN32
            GTEST_SKIP() << "a folder on Windows holds no named pipe";
#else
            ASSERT_EQ(mkfifo(folder.file(entry.name).c_str(), 0600), 0);
#endif
        else
            folder.write(entry.name, entry.content);
    }
    const std::optional<CameraFile> camera = cameraFileIn(folder.path());
    if (c.found == nullptr) {
        EXPECT_FALSE(camera) << camera->path;
        return;
    }
    ASSERT_TRUE(camera);
    EXPECT_EQ(camera->path, folder.file(c.found));
    EXPECT_EQ(camera->firmwareNumber, c.firmwareNumber);
    EXPECT_EQ(camera->revisionNumber, c.revisionNumber);
    EXPECT_EQ(camera->supported, c.supported);
}

INSTANTIATE_TEST_SUITE_P(
    Folders, CameraFileIn,
    testing::Values(
        FolderCase{"upper", {{"CONFIG.TXT", kSupported}}, "CONFIG.TXT", 220, 3, true},
        FolderCase{"lower", {{"config.txt", kSupported}}, "config.txt", 220, 3, true},
        FolderCase{"mixed", {{"Config.Txt", kSupported}}, "Config.Txt", 220, 3, true},
        FolderCase{"noIdentifiers", {{"CONFIG.TXT", "Date format=[0];\n"}}, nullptr, 0, 0, false},
        FolderCase{"onlyFirmware", {{"CONFIG.TXT", "{KAVELO_FW v2.20}\n"}}, nullptr, 0, 0, false},
        FolderCase{"empty", {{"CONFIG.TXT", ""}}, nullptr, 0, 0, false},
        FolderCase{"unsupportedFirmware",
                   {{"CONFIG.TXT", identificationOnly("KAVELO_FW v2.30", "HW v003")}},
                   "CONFIG.TXT",
                   230,
                   3,
                   false},
        FolderCase{"unsupportedRevision",
                   {{"CONFIG.TXT", identificationOnly("KAVELO_FW v2.20", "HW v002")}},
                   "CONFIG.TXT",
                   220,
                   2,
                   false},
        FolderCase{"folderByThatName", {{"CONFIG.TXT", "", Kind::Folder}}, nullptr, 0, 0, false},
        FolderCase{"fifoByThatName", {{"CONFIG.TXT", "", Kind::Fifo}}, nullptr, 0, 0, false},
        FolderCase{"largest", {{"CONFIG.TXT", paddedTo(7000)}}, "CONFIG.TXT", 220, 3, true},
        FolderCase{"tooLarge", {{"CONFIG.TXT", paddedTo(7001)}}, nullptr, 0, 0, false},
        FolderCase{"otherNames",
                   {{"CONFIG.TXT.bak", kSupported},
                    {"CONFIG.TX", kSupported},
                    {"XCONFIG.TXT", kSupported}},
                   nullptr,
                   0,
                   0,
                   false},
        FolderCase{"onlyInASubfolder", {{"DCIM", "", Kind::Folder}}, nullptr, 0, 0, false},
        FolderCase{"upperCaseFirst",
                   {{"config.txt", identificationOnly("KAVELO_FW v2.15", "HW v003")},
                    {"CONFIG.TXT", kSupported}},
                   "CONFIG.TXT",
                   220,
                   3,
                   true},
        FolderCase{"anotherCaseWhenTheFirstIsNoCameraFile",
                   {{"CONFIG.TXT", "no identifiers"}, {"config.txt", kSupported}},
                   "config.txt",
                   220,
                   3,
                   true}),
    [](const testing::TestParamInfo<FolderCase>& info) { return std::string(info.param.what); });

TEST(CameraFileInFolder, MissingFolderIsNoCamera) {
    EXPECT_FALSE(cameraFileIn("/nonexistent/kavelo-card"));
    EXPECT_FALSE(cameraFileIn(""));
}

TEST(CameraFileInFolder, TrailingSlashAndIdentificationTexts) {
    ScratchDirectory folder;
    folder.write("CONFIG.TXT", kSupported);
    const std::optional<CameraFile> camera = cameraFileIn(folder.path() + "/");
    ASSERT_TRUE(camera);
    EXPECT_EQ(camera->path, folder.file("CONFIG.TXT"));
    EXPECT_EQ(camera->firmwareString, "KAVELO_FW v2.20");
    EXPECT_EQ(camera->revisionString, "HW v003");
}

int openFiles() {
#ifdef _WIN32
    DWORD handles = 0;
    GetProcessHandleCount(GetCurrentProcess(), &handles);
    return static_cast<int>(handles);
#else
    int count = 0;
    DIR* fds = opendir("/proc/self/fd");
    while (fds != nullptr && readdir(fds) != nullptr)
        ++count;
    if (fds != nullptr)
        closedir(fds);
    return count;
#endif
}

TEST(CameraFileInFolder, PrintsNothingAndKeepsNoFileOpen) {
    ScratchDirectory folder;
    folder.write("CONFIG.TXT", identificationOnly("KAVELO_FW v2.30", "HW v003"));
    const int before = openFiles();
    const std::string err = stderrOf([&] { EXPECT_TRUE(cameraFileIn(folder.path())); });
    EXPECT_EQ(err, "");
    EXPECT_EQ(openFiles(), before);
}

#ifdef _WIN32
SKIPPED_ON_WINDOWS(MountedFileSystems, ReadsTheGivenTable,
                   "Windows has no mount table: its removable drives are its cards")
SKIPPED_ON_WINDOWS(MountedFileSystems, MissingTableIsEmptyAndTheSystemsTableHasTheRoot,
                   "Windows has no mount table: its removable drives are its cards")
#else
// getmntent decodes the octal escapes by which the kernel writes blanks,
// tabs and backslashes in a mount point; comment lines are skipped.
TEST(MountedFileSystems, ReadsTheGivenTable) {
    ScratchDirectory scratch;
    const std::string table =
        scratch.write("mounts", "/dev/sdb1 /media/user/KAVELO\\040CAM vfat rw,nosuid 0 0\n"
                                "# a comment\n"
                                "proc /proc proc rw,nosuid 0 0\n"
                                "server:/export /mnt/tab\\011and\\134slash nfs4 rw 0 0\n");
    const std::vector<MountedFileSystem> fileSystems = mountedFileSystems(table.c_str());
    ASSERT_EQ(fileSystems.size(), 3u);
    EXPECT_EQ(fileSystems[0].device, "/dev/sdb1");
    EXPECT_EQ(fileSystems[0].mountPoint, "/media/user/KAVELO CAM");
    EXPECT_EQ(fileSystems[0].type, "vfat");
    EXPECT_EQ(fileSystems[1].mountPoint, "/proc");
    EXPECT_EQ(fileSystems[2].device, "server:/export");
    EXPECT_EQ(fileSystems[2].mountPoint, "/mnt/tab\tand\\slash");
    EXPECT_EQ(fileSystems[2].type, "nfs4");
}

TEST(MountedFileSystems, MissingTableIsEmptyAndTheSystemsTableHasTheRoot) {
    EXPECT_TRUE(mountedFileSystems("/nonexistent/mounts").empty());
    bool root = false;
    for (const MountedFileSystem& fileSystem : mountedFileSystems())
        root = root || fileSystem.mountPoint == "/";
    EXPECT_TRUE(root);
}
#endif

TEST(MayHoldACamera, ByType) {
    struct TypeCase {
        const char* type;
        bool looked;
    };
    const TypeCase cases[] = {
        {"vfat", true},     {"exfat", true},
        {"ext4", true},     {"ext2", true},
        {"tmpfs", true},    {"fuseblk", true},
        {"ntfs3", true},    {"btrfs", true},
        {"proc", false},    {"sysfs", false},
        {"cgroup2", false}, {"devpts", false},
        {"autofs", false},  {"nfs", false},
        {"nfs4", false},    {"cifs", false},
        {"smb3", false},    {"9p", false},
        {"sshfs", false},   {"fuse.sshfs", false},
        {"fuse", false},    {"fuse.gvfsd-fuse", false},
    };
    for (const TypeCase& c : cases)
        EXPECT_EQ(mayHoldACamera({"/dev/x", "/mnt/x", c.type}), c.looked) << c.type;
}

#ifdef _WIN32
SKIPPED_ON_WINDOWS(MountedCameras, OnTheGivenTable,
                   "Windows has no mount table: its removable drives are its cards")
#else
// The listing on a table that names scratch folders as mount points: only
// folders with a camera file, on file systems that are looked at, each
// mount point once, as its last mount shows it.
TEST(MountedCameras, OnTheGivenTable) {
    ScratchDirectory scratch;
    const std::string card = scratch.path() + "/KAVELO CAM";
    const std::string stacked = scratch.path() + "/stacked";
    const std::string network = scratch.path() + "/network";
    const std::string plain = scratch.path() + "/plain";
    for (const std::string& folder : {card, stacked, network, plain})
        ASSERT_TRUE(makeFolder(folder));
    writeWholeFile(card + "/config.txt", kSupported);
    writeWholeFile(stacked + "/CONFIG.TXT", identificationOnly("KAVELO_FW v2.30", "HW v003"));
    writeWholeFile(network + "/CONFIG.TXT", kSupported);

    const std::string table =
        scratch.write("mounts", "/dev/sdb1 " + scratch.path() + "/KAVELO\\040CAM vfat rw 0 0\n" +
                                    "/dev/sdc1 " + stacked + " vfat rw 0 0\n" + "server:/x " +
                                    network + " nfs rw 0 0\n" + "/dev/sdd1 " + plain +
                                    " ext4 rw 0 0\n" + "/dev/sde1 " + stacked + " exfat rw 0 0\n");
    const std::vector<MountedCamera> cameras = mountedCameras(table.c_str());
    ASSERT_EQ(cameras.size(), 2u);
    EXPECT_EQ(cameras[0].fileSystem.mountPoint, card);
    EXPECT_EQ(cameras[0].file.path, card + "/config.txt");
    EXPECT_TRUE(cameras[0].file.supported);
    EXPECT_EQ(cameras[1].fileSystem.device, "/dev/sde1");
    EXPECT_EQ(cameras[1].fileSystem.type, "exfat");
    EXPECT_EQ(cameras[1].file.firmwareNumber, 230);
    EXPECT_FALSE(cameras[1].file.supported);
}
#endif

} // namespace
