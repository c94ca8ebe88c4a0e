#include "ExfatCard.h"

#include "TestFiles.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <sys/mount.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

ExfatCard::ExfatCard(const std::string& image, const std::string& where, const std::string& text)
    : where_(where) {
    if (geteuid() != 0) {
        reason_ = "a card through FUSE on a loop device needs root";
        return;
    }
    if (access("/dev/fuse", R_OK | W_OK) != 0 || system("command -v mount.exfat-fuse mkfs.exfat "
                                                        "losetup >/dev/null 2>&1") != 0) {
        reason_ = "FUSE, exfat-fuse, exfatprogs or losetup is missing";
        return;
    }
    const std::string quoted = "'" + image + "'";
    if (system(("truncate -s 8M " + quoted + " && mkfs.exfat " + quoted + " >/dev/null 2>&1")
                   .c_str()) != 0) {
        reason_ = "mkfs.exfat failed";
        return;
    }
    loop_ = firstLineOfCommand("losetup -f --show " + quoted + " 2>/dev/null");
    if (loop_.empty()) {
        reason_ = "no loop device to be had";
        return;
    }
    driver_ = fork();
    if (driver_ == 0) {
        // A test that dies (a time-out) takes the driver with it, stopped or
        // not: the card then fails at once instead of hanging every look.
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        const int null = open("/dev/null", O_RDWR);
        dup2(null, 1);
        dup2(null, 2);
        // In the foreground (-d), so that this is the driver's process.
        execlp("mount.exfat-fuse", "mount.exfat-fuse", "-d", loop_.c_str(), where.c_str(),
               static_cast<char*>(nullptr));
        _exit(127);
    }
    for (int wait = 0; wait < 100 && !isMountedAt(where); ++wait)
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
    if (!isMountedAt(where)) {
        reason_ = "exfat-fuse did not mount the card";
        return;
    }
    writeWholeFile(where + "/CONFIG.TXT", text);
}

void ExfatCard::stopAnswering() {
    if (driver_ > 0)
        kill(driver_, SIGSTOP);
}

ExfatCard::~ExfatCard() {
    if (driver_ > 0) {
        kill(driver_, SIGCONT);
        umount2(where_.c_str(), MNT_DETACH);
        kill(driver_, SIGTERM);
        waitpid(driver_, nullptr, 0);
    }
    if (!loop_.empty())
        system(("losetup -d " + loop_ + " 2>/dev/null").c_str());
}
