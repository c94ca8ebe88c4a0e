#include "SmallFileSystem.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mount.h>
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

void fill(const std::string& directory) {
    const int fd = open((directory + "/filler").c_str(), O_WRONLY | O_CREAT, 0600);
    ASSERT_GE(fd, 0);
    const std::vector<char> block(4096, 'x');
    while (write(fd, block.data(), block.size()) > 0) {
    }
    EXPECT_EQ(errno, ENOSPC);
    close(fd);
}
