// All 64 settings at one moment: what the configuration holds, what an undo
// step restores, what the modified marker compares with the file, and what
// the rules that mend a change work on.
#pragma once

#include "Settings.h"

#include <array>

using SettingValues = std::array<int, kSettingCount>;
