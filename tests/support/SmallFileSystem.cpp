#include "SmallFileSystem.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

SmallFileSystem::SmallFileSystem(const std::string& where, const char* size) : where_(where) {
    const std::string options = std::string("size=") + size;
    mounted_ = mount("tmpfs", where.c_str(), "tmpfs", 0, options.c_str()) == 0;
    if (!mounted_)
        reason_ = std::string("cannot mount a tmpfs: ") + std::strerror(errno);
}

SmallFileSystem::~SmallFileSystem() {
    if (mounted_)
        umount2(where_.c_str(), MNT_DETACH);
}

CameraCard::CameraCard(const std::string& where, const std::string& text, bool readOnly)
    : where_(where) {
    const std::string stage = where + ".stage";
    mkdir(stage.c_str(), 0755);
    {
        const SmallFileSystem staged(stage);
        if (!staged.mounted()) {
            reason_ = staged.reason();
            rmdir(stage.c_str());
            return;
        }
        writeWholeFile(stage + "/CONFIG.TXT", text);
        if (readOnly &&
            mount("tmpfs", stage.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) != 0)
            reason_ = std::string("cannot make the card read-only: ") + std::strerror(errno);
        else if (mount(stage.c_str(), where.c_str(), nullptr, MS_BIND, nullptr) != 0)
            reason_ = std::string("cannot bind the card: ") + std::strerror(errno);
        else
            mounted_ = true;
    } // the staging mount goes; the card stays at `where`
    rmdir(stage.c_str());
}

CameraCard::~CameraCard() {
    if (mounted_)
        umount2(where_.c_str(), MNT_DETACH);
}

void fill(const std::string& directory) {
    const int fd = open((directory + "/filler").c_str(), O_WRONLY | O_CREAT, 0600);
    ASSERT_GE(fd, 0);
    const std::vector<char> block(4096, 'x');
    while (write(fd, block.data(), block.size()) > 0) {
    }
    EXPECT_EQ(errno, ENOSPC);
    close(fd);
}
