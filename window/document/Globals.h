// The program's one settings object and the path that Save writes to. Both
// live for the whole run, belong to no object, and are ready before main
// starts: mCF with the default settings, configFileName empty.
#pragma once

#include "KaveloConfigParser.h"

#include <cstddef>

extern KaveloConfigParser mCF;

// The UTF-8 path of the configuration file, NUL-terminated: the path handed
// to the load under way, and otherwise that of the last file that loaded (so
// Save replaces only a file that was read). Empty before the first load.
constexpr std::size_t kConfigFileNameSize = 4096;
extern char configFileName[kConfigFileNameSize];
