// The settings table and its rules at their edges: indices outside the table,
// and which video mode each setting belongs to.
#include "CameraRules.h"
#include "Settings.h"

#include <climits>
#include <gtest/gtest.h>

namespace {

TEST(SettingsTable, NoValueIsOfferedOutsideTheTable) {
    for (const int index : {-1, INT_MIN, int{kSettingCount}, 1000000}) {
        SCOPED_TRACE(index);
        EXPECT_FALSE(offered(index, 0));
        EXPECT_EQ(valueCaption(index, 0), nullptr);
    }
}

TEST(VideoModes, EachSettingBelongsToTheModeThatHoldsIt) {
    for (int setting = -1; setting <= kSettingCount; ++setting) {
        SCOPED_TRACE(setting);
        const rules::VideoMode* expected = nullptr;
        if (setting >= kVideo1Resolution && setting <= kVideo1FileFormat)
            expected = &rules::kVideoMode1;
        else if (setting >= kVideo2Resolution && setting <= kVideo2FileFormat)
            expected = &rules::kVideoMode2;
        EXPECT_EQ(rules::videoModeOf(setting), expected);
    }
    // The two modes are twelve settings each, side by side.
    EXPECT_EQ(kVideo1Resolution, 3);
    EXPECT_EQ(kVideo2Resolution, 15);
    EXPECT_EQ(kVideo2FileFormat, 26);
}

} // namespace
