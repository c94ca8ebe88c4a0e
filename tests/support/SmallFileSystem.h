// A small memory file system mounted for one test, as a camera card that can
// fill up; where it cannot be mounted (only root may), the test skips.
#pragma once

#include <string>

class SmallFileSystem {
  public:
    SmallFileSystem(const std::string& where, const char* size = "64k");
    ~SmallFileSystem();
    SmallFileSystem(const SmallFileSystem&) = delete;
    SmallFileSystem& operator=(const SmallFileSystem&) = delete;

    bool mounted() const { return mounted_; }
    const std::string& reason() const { return reason_; }

  private:
    std::string where_;
    bool mounted_ = false;
    std::string reason_;
};

// A camera's card as it appears when plugged in: a small memory file system
// that shows up at `where` (a folder that exists) with its CONFIG.TXT already
// holding `text`. It is made at a staging folder beside `where` and bound
// there; `readOnly` makes it a write-protected card.
class CameraCard {
  public:
    CameraCard(const std::string& where, const std::string& text, bool readOnly = false);
    ~CameraCard();
    CameraCard(const CameraCard&) = delete;
    CameraCard& operator=(const CameraCard&) = delete;

    bool mounted() const { return mounted_; }
    const std::string& reason() const { return reason_; }
    std::string file() const { return where_ + "/CONFIG.TXT"; }

  private:
    std::string where_;
    bool mounted_ = false;
    std::string reason_;
};

// Fills the file system that holds `directory` until it takes no more.
void fill(const std::string& directory);
