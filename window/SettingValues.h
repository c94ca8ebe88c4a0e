// All 64 settings at one moment: what an undo step restores and what the
// modified marker compares with the file.
#pragma once

#include "KaveloConfigParser.h"

#include <array>

using SettingValues = std::array<int, kSettingCount>;

inline SettingValues valuesOf(const KaveloConfigParser& config) {
    SettingValues values{};
    for (int i = 0; i < kSettingCount; ++i)
        values[static_cast<std::size_t>(i)] = config.getCameraValue(i);
    return values;
}

inline void setValues(KaveloConfigParser& config, const SettingValues& values) {
    for (int i = 0; i < kSettingCount; ++i)
        config.setCameraValue(i, values[static_cast<std::size_t>(i)]);
}
