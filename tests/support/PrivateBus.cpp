#include "PrivateBus.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <ftw.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// A bus that lets anyone own any name and call anything: the tests play the
// services on it.
const char kConfiguration[] = R"(<!DOCTYPE busconfig PUBLIC
 "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:dir=@DIR@</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow user="*"/>
    <allow own="*"/>
    <allow send_destination="*" eavesdrop="true"/>
    <allow receive_sender="*"/>
    <allow eavesdrop="true"/>
  </policy>
</busconfig>
)";

int removeEntry(const char* path, const struct stat*, int, struct FTW*) {
    return remove(path);
}

} // namespace

PrivateBus::PrivateBus() {
    char pattern[] = "/tmp/kavelo-bus-XXXXXX";
    if (mkdtemp(pattern) == nullptr) {
        reason_ = std::string("no scratch folder: ") + std::strerror(errno);
        return;
    }
    directory_ = pattern;
    std::string configuration = kConfiguration;
    configuration.replace(configuration.find("@DIR@"), 5, directory_);
    const std::string configPath = directory_ + "/bus.conf";
    std::ofstream(configPath) << configuration;

    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) {
        reason_ = std::strerror(errno);
        return;
    }
    pid_ = fork();
    if (pid_ == 0) {
        dup2(pipeEnds[1], STDOUT_FILENO);
        close(pipeEnds[0]);
        // Its complaints about limits it may not raise are no test's concern.
        const int quiet = open("/dev/null", O_WRONLY);
        if (quiet >= 0)
            dup2(quiet, STDERR_FILENO);
        const std::string config = "--config-file=" + configPath;
        execlp("dbus-daemon", "dbus-daemon", config.c_str(), "--nofork", "--print-address=1",
               static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipeEnds[1]);
    char line[512] = {};
    std::size_t got = 0;
    while (got < sizeof line - 1) {
        const ssize_t n = read(pipeEnds[0], line + got, 1);
        if (n <= 0 || line[got] == '\n')
            break;
        ++got;
    }
    close(pipeEnds[0]);
    line[got] = '\0';
    address_ = line;
    if (address_.empty())
        reason_ = "dbus-daemon did not start (is it installed?)";
}

PrivateBus::~PrivateBus() {
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
    }
    if (!directory_.empty())
        nftw(directory_.c_str(), removeEntry, 8, FTW_DEPTH | FTW_PHYS);
}

void PrivateBus::becomeSystemBus() const {
    if (!address_.empty())
        setenv("DBUS_SYSTEM_BUS_ADDRESS", address_.c_str(), 1);
}
