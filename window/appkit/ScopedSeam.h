// A seam: a process-wide function that stands in for a dialog, so that tests
// can answer it. The guard installs a replacement for its lifetime; the one
// before comes back after.
#pragma once

#include <utility>

template <class Function> class ScopedSeam {
  public:
    ScopedSeam(Function& slot, Function replacement)
        : slot_(slot), previous_(std::exchange(slot, std::move(replacement))) {}
    ~ScopedSeam() { slot_ = std::move(previous_); }
    ScopedSeam(const ScopedSeam&) = delete;
    ScopedSeam& operator=(const ScopedSeam&) = delete;

  private:
    Function& slot_;
    Function previous_;
};
