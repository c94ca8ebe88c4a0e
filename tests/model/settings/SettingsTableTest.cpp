// The settings table: defaults, storage, and what a reset keeps.
#include "KaveloConfigParser.h"
#include "Settings.h"
#include "TestFiles.h"

#include <climits>
#include <cstring>
#include <gtest/gtest.h>

namespace {

// The camera's factory settings, one row per section of the file.
const int kExpectedDefaults[kSettingCount] = {
    0,   1,   0,                                          // head
    0,   3,   0,   1,   1,   2,   0,   0,   1,   1, 0, 0, // video mode 1
    3,   1,   0,   1,   1,   2,   0,   0,   1,   1, 0, 0, // video mode 2
    0,   0,   1,   0,   1,                                // photo (29 takes 1 like 6 and 18)
    1,   0,   0,   0,   0,   1,   0,   0,   1,   0, 0, 0, 0, 0, 0, 2, 1, 0, // camera-wide
    256, 256, 256, 256, 256, 256, 256, 256, 256,                            // custom gains
    0,   0,   0,   0,   0,                                                  // picture
};

TEST(SettingsTable, NewObjectHoldsTheDefaultsAndNoIdentification) {
    const KaveloConfigParser config;
    for (int index = 0; index < kSettingCount; ++index)
        EXPECT_EQ(config.getCameraValue(index), kExpectedDefaults[index]) << "setting " << index;
    EXPECT_EQ(config.getFirmwareNumber(), 0);
    EXPECT_EQ(config.getRevisionNumber(), 0);
    EXPECT_STREQ(config.getFirmwareString(), "");
    EXPECT_STREQ(config.getRevisionString(), "");
    EXPECT_STREQ(config.getCameraTime(), "");
}

TEST(SettingsTable, EveryDefaultIsAValueTheWindowCanShow) {
    for (int index = 0; index < kSettingCount; ++index)
        EXPECT_TRUE(offered(index, kExpectedDefaults[index])) << "setting " << index;
}

TEST(SettingsTable, StoresAnyValueUnchecked) {
    KaveloConfigParser config;
    for (int value : {INT_MIN, -5, 0, 1234, 99999, INT_MAX}) {
        EXPECT_TRUE(config.setCameraValue(50, value));
        EXPECT_EQ(config.getCameraValue(50), value);
    }
}

TEST(SettingsTable, IndexOutsideTheTableIsIgnored) {
    KaveloConfigParser config;
    EXPECT_TRUE(config.setCameraValue(64, 7));
    EXPECT_TRUE(config.setCameraValue(-1, 7));
    EXPECT_EQ(config.getCameraValue(64), 0);
    EXPECT_EQ(config.getCameraValue(-1), 0);
    for (int index = 0; index < kSettingCount; ++index)
        ASSERT_EQ(config.getCameraValue(index), kExpectedDefaults[index]);
}

TEST(SettingsTable, ResetRestoresSettingsAndKeepsWhatTheFileIdentified) {
    KaveloConfigParser config;
    ASSERT_TRUE(readFromMemory(config, "Date time=[2026/01/02-03:04:05];\nLED=[0];\nWhite "
                                       "Balance=[6];\n" +
                                           identificationOnly("KAVELO v2.18", "HW v003")));
    config.setCameraValue(29, 40);
    ASSERT_EQ(config.getCameraValue(37), 0);

    config.setDefaults();

    for (int index = 0; index < kSettingCount; ++index)
        EXPECT_EQ(config.getCameraValue(index), kExpectedDefaults[index]) << "setting " << index;
    EXPECT_EQ(config.getFirmwareNumber(), 218);
    EXPECT_EQ(config.getRevisionNumber(), 3);
    EXPECT_STREQ(config.getFirmwareString(), "KAVELO v2.18");
    EXPECT_STREQ(config.getRevisionString(), "HW v003");
    EXPECT_STREQ(config.getCameraTime(), "2026/01/02-03:04:05");
}

TEST(SettingsTable, RepeatedKeywordsAreTheSameText) {
    for (int index = 3; index <= 14; ++index)
        EXPECT_STREQ(configKeywords[index], configKeywords[index + 12]) << "setting " << index;
    for (int red = 50; red <= 56; red += 3) {
        EXPECT_STREQ(configKeywords[red + 1], "Green Gain");
        EXPECT_STREQ(configKeywords[red + 2], "Blue Gain");
    }
    EXPECT_STREQ(configKeywords[63], "Sharpness");
}

} // namespace
