// The desktop's real storage service (udisksd) for the window's tests, with
// nothing of the machine's own in the way: a message bus of the test's own
// that runs with a copy of the system bus's configuration (so udisksd's own
// bus policy applies) on a socket in a scratch folder, the device manager
// (systemd-udevd, unless one runs already), and a udev rule that gives the
// test's loop devices, and only those, the identity of an SD card in a card
// reader. Everything it starts is stopped by its process id when it goes, and
// the rule is removed.
#pragma once

#include <string>
#include <sys/types.h>

class RealUDisks {
  public:
    // Starts the bus, the device manager and udisksd. Where one of them is
    // missing or cannot run here, `reason()` says which and why.
    RealUDisks();
    ~RealUDisks();
    RealUDisks(const RealUDisks&) = delete;
    RealUDisks& operator=(const RealUDisks&) = delete;

    bool ready() const { return reason_.empty(); }
    const std::string& reason() const { return reason_; }
    const std::string& busAddress() const { return address_; }
    // Where the cards' images go: the rule matches loop devices backed by
    // files in this folder.
    const std::string& folder() const { return folder_; }

    // udisksd alone, as an upgrade restarts it; true once it has stopped, or
    // once it holds its name on the bus again.
    bool stopService();
    bool startService();

  private:
    bool startBus();
    bool startDeviceManager();
    bool addRule();
    std::string logTail(const std::string& name) const;

    std::string folder_;
    std::string address_;
    std::string rule_;
    std::string reason_;
    pid_t bus_ = -1;
    pid_t deviceManager_ = -1; // -1: the machine's own, or none
    pid_t service_ = -1;
};

// An exFAT card image made by mkfs.exfat with `label`, on a loop device,
// mounted at a folder named after the label. The kernel here may have no
// exFAT driver, so the card is mounted through FUSE (exfat-fuse), as a
// desktop without the kernel's driver does; udisksd sees the mount either
// way. `reason()` says why a card could not be made.
class LoopCard {
  public:
    LoopCard(const std::string& folder, const std::string& label);
    ~LoopCard();
    LoopCard(const LoopCard&) = delete;
    LoopCard& operator=(const LoopCard&) = delete;

    bool ready() const { return reason_.empty(); }
    const std::string& reason() const { return reason_; }
    const std::string& mountPoint() const { return mountPoint_; }
    bool isMounted() const;

    // Pulls the card out: unmounted where it still is, the loop device
    // detached.
    void remove();

  private:
    std::string mountPoint_;
    std::string loop_;
    std::string reason_;
    pid_t driver_ = -1;
};
