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

// Fills the file system that holds `directory` until it takes no more.
void fill(const std::string& directory);
