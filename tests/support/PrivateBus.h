// A D-Bus message bus of the tests' own: a dbus-daemon started for the test
// process, which programs reach through the bus address variables every
// D-Bus program honours, so that no test speaks to the machine's real system
// bus and its services.
#pragma once

#include <string>

class PrivateBus {
  public:
    // Starts the daemon; `address()` is empty when it cannot be started
    // (no dbus-daemon on the machine), and `reason()` says why.
    PrivateBus();
    ~PrivateBus();
    PrivateBus(const PrivateBus&) = delete;
    PrivateBus& operator=(const PrivateBus&) = delete;

    const std::string& address() const { return address_; }
    const std::string& reason() const { return reason_; }

    // Makes this bus the system bus of the process (DBUS_SYSTEM_BUS_ADDRESS),
    // before anything in it connects to a bus.
    void becomeSystemBus() const;

  private:
    std::string directory_;
    std::string address_;
    std::string reason_;
    int pid_ = -1;
};
