#include "RealUDisks.h"

#include "TestFiles.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QString>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <ftw.h>
#include <initializer_list>
#include <regex>
#include <sstream>
#include <sys/mount.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using namespace std::chrono_literals;

const char kService[] = "/usr/libexec/udisks2/udisksd";
const char kSystemBusConfiguration[] = "/usr/share/dbus-1/system.conf";
const char kRules[] = "/run/udev/rules.d";

std::string firstExisting(std::initializer_list<const char*> paths) {
    for (const char* path : paths) {
        if (access(path, X_OK) == 0)
            return path;
    }
    return {};
}

bool onPath(const char* program) {
    return system((std::string("command -v ") + program + " >/dev/null 2>&1").c_str()) == 0;
}

std::string quoted(const std::string& text) {
    return "'" + text + "'";
}

// Starts `arguments` with its output in `log` (or nowhere), `environment`
// ("NAME=value") added. It dies with the test, so that a test killed on a
// time-out leaves no service running.
pid_t spawn(const std::vector<std::string>& arguments, const std::string& log,
            const std::string& environment = {}, int stdoutPipe = -1) {
    const pid_t child = fork();
    if (child != 0)
        return child;
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    const int out =
        open(log.empty() ? "/dev/null" : log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
    if (out >= 0) {
        dup2(out, STDERR_FILENO);
        dup2(stdoutPipe >= 0 ? stdoutPipe : out, STDOUT_FILENO);
    }
    if (!environment.empty())
        putenv(const_cast<char*>(environment.c_str()));
    std::vector<char*> argv;
    for (const std::string& each : arguments)
        argv.push_back(const_cast<char*>(each.c_str()));
    argv.push_back(nullptr);
    execvp(argv[0], argv.data());
    _exit(127);
}

// SIGTERM, then SIGKILL if it has not ended within five seconds.
void stop(pid_t& child) {
    if (child <= 0)
        return;
    kill(child, SIGTERM);
    for (int i = 0; i < 100; ++i) {
        if (waitpid(child, nullptr, WNOHANG) == child) {
            child = -1;
            return;
        }
        std::this_thread::sleep_for(50ms);
    }
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    child = -1;
}

bool hasEnded(pid_t child) {
    return child <= 0 || waitpid(child, nullptr, WNOHANG) == child;
}

bool deviceManagerAnswers() {
    return system("udevadm control --ping --timeout=2 >/dev/null 2>&1") == 0;
}

int removeEntry(const char* path, const struct stat*, int, struct FTW*) {
    return remove(path);
}

} // namespace

RealUDisks::RealUDisks() {
    if (geteuid() != 0) {
        reason_ = "needs root: it starts udevd and udisksd and makes loop devices";
        return;
    }
    if (access(kService, X_OK) != 0) {
        reason_ = std::string(kService) + " is missing (Debian package udisks2)";
        return;
    }
    if (!onPath("dbus-daemon") || access(kSystemBusConfiguration, R_OK) != 0) {
        reason_ = "dbus-daemon or its system bus configuration is missing (package dbus-daemon)";
        return;
    }
    if (!onPath("udevadm") || !onPath("losetup") || !onPath("mkfs.exfat") ||
        !onPath("mount.exfat-fuse") || access("/dev/fuse", R_OK | W_OK) != 0 ||
        access("/dev/loop-control", R_OK | W_OK) != 0) {
        reason_ = "udevadm, losetup, mkfs.exfat, mount.exfat-fuse, /dev/fuse or "
                  "/dev/loop-control is missing (packages udev, mount, exfatprogs, exfat-fuse)";
        return;
    }
    char pattern[] = "/tmp/kavelo-udisks-XXXXXX";
    if (mkdtemp(pattern) == nullptr) {
        reason_ = std::string("no scratch folder: ") + std::strerror(errno);
        return;
    }
    folder_ = pattern;
    if (startBus() && startDeviceManager() && addRule())
        startService();
}

RealUDisks::~RealUDisks() {
    QDBusConnection::disconnectFromBus(QStringLiteral("real-udisks-watch"));
    stop(service_);
    if (!rule_.empty()) {
        std::remove(rule_.c_str());
        if (deviceManager_ < 0)
            system("udevadm control --reload >/dev/null 2>&1");
    }
    stop(deviceManager_);
    stop(bus_);
    if (!folder_.empty())
        nftw(folder_.c_str(), removeEntry, 8, FTW_DEPTH | FTW_PHYS);
}

std::string RealUDisks::logTail(const std::string& name) const {
    std::ifstream log(folder_ + "/" + name);
    std::string line, last;
    while (std::getline(log, line)) {
        if (!line.empty())
            last = line;
    }
    return last.empty() ? "its log is empty" : "its log ends: " + last;
}

// The system bus's own configuration, less what makes it the machine's bus:
// its socket, its user, its pid file, its logging and its starting of other
// services. The services' policies (udisksd's among them) stay.
bool RealUDisks::startBus() {
    std::ifstream in(kSystemBusConfiguration);
    std::stringstream text;
    text << in.rdbuf();
    std::string configuration = text.str();
    const std::string socket = folder_ + "/system_bus_socket";
    for (const char* element :
         {"<user>[^<]*</user>", "<fork/>", "<pidfile>[^<]*</pidfile>", "<syslog/>",
          "<servicehelper>[^<]*</servicehelper>", "<standard_system_servicedirs/>"})
        configuration = std::regex_replace(configuration, std::regex(element), "");
    configuration = std::regex_replace(configuration, std::regex("<listen>[^<]*</listen>"),
                                       "<listen>unix:path=" + socket + "</listen>");
    // Relative folders are taken from the configuration file's own folder.
    configuration =
        std::regex_replace(configuration, std::regex("<includedir>system\\.d</includedir>"),
                           "<includedir>/usr/share/dbus-1/system.d</includedir>");
    const std::string path = folder_ + "/system.conf";
    std::ofstream(path) << configuration;

    int ends[2];
    if (pipe(ends) != 0) {
        reason_ = std::string("no pipe: ") + std::strerror(errno);
        return false;
    }
    bus_ = spawn({"dbus-daemon", "--config-file=" + path, "--nofork", "--print-address=1"},
                 folder_ + "/dbus-daemon.log", {}, ends[1]);
    close(ends[1]);
    char line[512] = {};
    std::size_t got = 0;
    while (got < sizeof line - 1 && read(ends[0], line + got, 1) == 1 && line[got] != '\n')
        ++got;
    close(ends[0]);
    line[got] = '\0';
    address_ = line;
    if (address_.empty()) {
        reason_ = "dbus-daemon with a copy of the system bus configuration did not start; " +
                  logTail("dbus-daemon.log");
        return false;
    }
    return true;
}

// One device manager per machine: where one answers already, it is used as it
// is; otherwise the test's own runs until the test ends.
bool RealUDisks::startDeviceManager() {
    if (deviceManagerAnswers())
        return true;
    const std::string program =
        firstExisting({"/usr/lib/systemd/systemd-udevd", "/lib/systemd/systemd-udevd"});
    if (program.empty()) {
        reason_ = "systemd-udevd is missing (Debian package udev)";
        return false;
    }
    deviceManager_ = spawn({program}, folder_ + "/udevd.log");
    for (int i = 0; i < 100; ++i) {
        if (deviceManagerAnswers())
            return true;
        if (hasEnded(deviceManager_)) {
            deviceManager_ = -1;
            reason_ = "systemd-udevd stopped at once; " + logTail("udevd.log");
            return false;
        }
        std::this_thread::sleep_for(50ms);
    }
    reason_ = "systemd-udevd does not answer `udevadm control --ping`";
    return false;
}

// A card reader's SD card, as udev's own rules describe one (udisksd takes a
// drive's identity from ID_SERIAL and its kind from ID_DRIVE_FLASH_SD), for
// the loop devices of this test's images alone.
bool RealUDisks::addRule() {
    mkdir("/run/udev", 0755);
    mkdir(kRules, 0755);
    rule_ = std::string(kRules) + "/99-" + folder_.substr(folder_.rfind('/') + 1) + ".rules";
    std::ofstream(rule_) << "SUBSYSTEM==\"block\", KERNEL==\"loop*\", ATTR{loop/backing_file}==\""
                         << folder_
                         << "/*\", ENV{ID_SERIAL}=\"Kavelo_Test_Reader_%k\", "
                            "ENV{ID_DRIVE_FLASH_SD}=\"1\"\n";
    if (system("udevadm control --reload >/dev/null 2>&1") != 0) {
        reason_ = "udevd did not reload its rules";
        return false;
    }
    return true;
}

bool RealUDisks::startService() {
    service_ = spawn({kService}, folder_ + "/udisksd.log", "DBUS_SYSTEM_BUS_ADDRESS=" + address_);
    QDBusConnection bus =
        QDBusConnection::connectToBus(QString::fromStdString(address_), "real-udisks-watch");
    for (int i = 0; i < 200; ++i) {
        if (bus.interface() != nullptr &&
            bus.interface()->isServiceRegistered(QStringLiteral("org.freedesktop.UDisks2")))
            return true;
        if (hasEnded(service_)) {
            service_ = -1;
            reason_ = "udisksd stopped at once; " + logTail("udisksd.log");
            return false;
        }
        std::this_thread::sleep_for(50ms);
    }
    reason_ = "udisksd did not take the name org.freedesktop.UDisks2 within 10 s; " +
              logTail("udisksd.log");
    return false;
}

bool RealUDisks::stopService() {
    stop(service_);
    return service_ < 0;
}

LoopCard::LoopCard(const std::string& folder, const std::string& label) {
    const std::string image = folder + "/" + label + ".img";
    if (system(("truncate -s 8M " + quoted(image) + " && mkfs.exfat -L " + label + " " +
                quoted(image) + " >/dev/null 2>&1")
                   .c_str()) != 0) {
        reason_ = "mkfs.exfat failed";
        return;
    }
    loop_ = firstLineOfCommand("losetup -f --show " + quoted(image) + " 2>/dev/null");
    if (loop_.empty()) {
        reason_ = "no loop device to be had";
        return;
    }
    // udev has seen the file system (its label) before anyone looks.
    system("udevadm settle --timeout=10 >/dev/null 2>&1");
    if (firstLineOfCommand("udevadm info --query=property --property=ID_SERIAL " + loop_).empty()) {
        reason_ = "udev gave " + loop_ + " no drive identity: the rule did not apply";
        return;
    }
    mountPoint_ = folder + "/" + label;
    mkdir(mountPoint_.c_str(), 0755);
    // In the foreground (-d), so that this is the driver's process.
    driver_ = spawn({"mount.exfat-fuse", "-d", loop_, mountPoint_}, {});
    for (int i = 0; i < 100 && !isMounted(); ++i)
        std::this_thread::sleep_for(30ms);
    if (!isMounted())
        reason_ = "exfat-fuse did not mount " + loop_;
}

bool LoopCard::isMounted() const {
    return !mountPoint_.empty() && isMountedAt(mountPoint_);
}

void LoopCard::remove() {
    if (isMounted())
        umount2(mountPoint_.c_str(), MNT_DETACH);
    if (driver_ > 0) {
        // Unmounted, the driver ends by itself; one that does not is stopped.
        bool ended = false;
        for (int i = 0; i < 100 && !(ended = hasEnded(driver_)); ++i)
            std::this_thread::sleep_for(30ms);
        if (ended)
            driver_ = -1;
        else
            stop(driver_);
    }
    if (!loop_.empty()) {
        system(("losetup -d " + loop_ + " 2>/dev/null").c_str());
        system("udevadm settle --timeout=10 >/dev/null 2>&1");
        loop_.clear();
    }
}

LoopCard::~LoopCard() {
    remove();
}
