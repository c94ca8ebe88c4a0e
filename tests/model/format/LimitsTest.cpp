// The file's numbers and settings at the edges of what they take: numbers at
// and past the 32-bit limits and after every kind of white space, setting
// indices outside the table, and firmware numbers of either sign.
#include "FileNumbers.h"
#include "KaveloConfigParser.h"
#include "LoadMessages.h"
#include "TestFiles.h"

#include <climits>
#include <cstring>
#include <gtest/gtest.h>

namespace {

struct Conversion {
    const char* text;
    int value;
};

TEST(ConvertInteger, WhiteSpaceSignsAndTheThirtyTwoBitLimits) {
    const Conversion conversions[] = {
        {" 7", 7},
        {"\t7", 7},
        {"\n7", 7},
        {"\v7", 7},
        {"\f7", 7},
        {"\r7", 7},
        {"-7", -7},
        {"+7", 7},
        {"000000000012", 12}, // leading zeros do not count towards the ten digits
        {"2147483646", 2147483646},
        {"2147483647", INT_MAX},
        {"2147483648", INT_MAX},
        {"-2147483648", INT_MIN},
        {"-2147483649", INT_MIN},
        {"9999999999", INT_MAX},
        {"10000000009", INT_MAX}, // an eleventh digit, whatever the first ten
        {"10000000000", INT_MAX},
        {"-10000000009", INT_MIN},
        {"12x9", 12},
    };
    for (const Conversion& c : conversions) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(convertInteger(c.text, c.text + std::strlen(c.text)), c.value);
    }
}

TEST(ConvertInteger, StopsAtTheEndOfItsRange) {
    const char text[] = "12345";
    EXPECT_EQ(convertInteger(text, text + 2), 12);
    EXPECT_EQ(convertInteger(text, text), 0);
    const char eleven[] = "100000000099";
    EXPECT_EQ(convertInteger(eleven, eleven + 10), 1000000000);
}

TEST(ConfigParser, IndicesOutsideTheTableNeitherReadNorWrite) {
    KaveloConfigParser config = parserIdentifiedAs("KAVELO v2.20", "HW v003");
    const int firmware = config.getFirmwareNumber();
    const int revision = config.getRevisionNumber();
    for (const int index : {-1, int{kSettingCount}, kSettingCount + 1}) {
        SCOPED_TRACE(index);
        EXPECT_EQ(config.getCameraValue(index), 0);
        config.setCameraValue(index, 99);
        EXPECT_EQ(config.getCameraValue(index), 0);
    }
    EXPECT_EQ(config.getFirmwareNumber(), firmware);
    EXPECT_EQ(config.getRevisionNumber(), revision);
    EXPECT_STREQ(config.getFirmwareString(), "KAVELO v2.20");
    EXPECT_EQ(config.lastWriteError(), 0);
}

TEST(LoadMessages, FirmwareNumbersOfEitherSign) {
    const std::pair<int, const char*> versions[] = {
        {0, "0.00"},     {5, "0.05"},   {-5, "-0.05"},
        {-210, "-2.10"}, {225, "2.25"}, {INT_MIN, "-21474836.48"},
    };
    for (const auto& [number, text] : versions)
        EXPECT_EQ(load_messages::firmwareVersionText(number), text) << number;
}

} // namespace
