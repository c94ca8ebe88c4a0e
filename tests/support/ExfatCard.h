// A camera card as cameras format them, exFAT (which ignores letter case),
// in an image on a loop device mounted through FUSE (exfat-fuse); its driver
// can be stopped with SIGSTOP, so that the card stops answering as a failing
// card reader does. Where the machine cannot do this (not root, no FUSE, no
// loop devices, the tools missing), reason() says why and the test skips.
#pragma once

#include <string>
#include <sys/types.h>

class ExfatCard {
  public:
    // Makes the card in `image` and mounts it at `where` with a file
    // CONFIG.TXT holding `text`; the driver still answers.
    ExfatCard(const std::string& image, const std::string& where, const std::string& text);
    ~ExfatCard();
    ExfatCard(const ExfatCard&) = delete;
    ExfatCard& operator=(const ExfatCard&) = delete;

    bool ready() const { return reason_.empty(); }
    const std::string& reason() const { return reason_; }

    // From now on every look into the card waits.
    void stopAnswering();

  private:
    std::string where_;
    std::string loop_;
    pid_t driver_ = -1;
    std::string reason_;
};
