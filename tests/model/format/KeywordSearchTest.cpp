// Keyword search, bracketed values, and the custom white-balance sequence.
#include "KaveloConfigParser.h"
#include "TestFiles.h"

#include <climits>
#include <cstring>
#include <gtest/gtest.h>

namespace {

int search(const char* keyword, const std::string& text) {
    const KaveloConfigParser config;
    return config.searchKeywordOffset(keyword, text.data(), static_cast<long>(text.size()));
}

TEST(KeywordSearch, AnswersTheByteAfterTheBracketOfTheFirstOccurrence) {
    struct Case {
        const char* keyword;
        std::string text;
        int offset;
    };
    const Case cases[] = {
        {"LED", "LED=[1];\n", 5},
        {"LED", "Power on=[1];\nLED=[0];\n", 19},
        // Matches anywhere, also at the start of or inside a longer keyword.
        {"Motion Detect", "Motion Detect Timeout=[2];\nMotion Detect=[1];\n", 23},
        {"White Balance", "Customized White Balance 1 Red Gain=[300],", 37},
        // Whatever stands between keyword and bracket is skipped.
        {"LED", "LED : [1];\n", 7},
        // The first occurrence decides even when its line has no bracket.
        {"LED", "LED=1;\nLED=[0];\n", -1},
        {"LED", "Power on=[1];\n", -1},
        // The keyword must leave at least one byte after it.
        {"LED", "LED", -1},
        {"LED", "xLED", -1},
        {"LED", "LED[", 4},
        {"Sharpness", "Sharpness=[0]", 11},
        {"LED", "", -1},
        // Case matters.
        {"LED", "led=[1];\n", -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(search(c.keyword, c.text), c.offset) << c.keyword << " in " << c.text;
}

TEST(KeywordSearch, CountsFromTheStartOfATail) {
    const std::string text = "LED=[1];\nLED=[0];\n";
    const KaveloConfigParser config;
    EXPECT_EQ(
        config.searchKeywordOffset("LED", text.data() + 5, static_cast<long>(text.size() - 5)), 9);
}

TEST(BracketedValue, CopiesUpToTheClosingBracketOnTheLine) {
    const KaveloConfigParser config;
    const std::string text = "12x];";
    char destination[kTextSize] = {};
    EXPECT_TRUE(
        config.getStringInsideSquareBrackets(text.data(), destination, text.data() + text.size()));
    EXPECT_STREQ(destination, "12x");

    const std::string unclosed = "12;\n]";
    char untouched[kTextSize] = "sentinel";
    EXPECT_FALSE(config.getStringInsideSquareBrackets(unclosed.data(), untouched,
                                                      unclosed.data() + unclosed.size()));
    EXPECT_STREQ(untouched, "sentinel");

    // The end of the text bounds the scan even without a line feed.
    const std::string cut = "12]";
    EXPECT_FALSE(config.getStringInsideSquareBrackets(cut.data(), untouched, cut.data() + 2));
}

TEST(BracketedValue, AValueLongerThanItsBufferIsCut) {
    const KaveloConfigParser config;
    const std::string text = std::string(300, '7') + "]";
    char destination[kTextSize + 8];
    std::memset(destination, 0, sizeof destination);
    EXPECT_TRUE(
        config.getStringInsideSquareBrackets(text.data(), destination, text.data() + text.size()));
    EXPECT_EQ(std::strlen(destination), 255u);
}

TEST(ValueForKeyword, ConvertsLikeAtoi) {
    struct Case {
        std::string line;
        bool found;
        int value;
    };
    const Case cases[] = {
        {"LED=[7];\n", true, 7},
        {"LED=[ 7];\n", true, 7},
        {"LED=[7x];\n", true, 7},
        {"LED=[x];\n", true, 0},
        {"LED=[];\n", true, 0},
        {"LED=[-3];\n", true, -3},
        {"LED=[+4];\n", true, 4},
        {"LED=[2147483647];\n", true, INT_MAX},
        {"LED=[2147483648];\n", true, INT_MAX},
        {"LED=[-2147483649];\n", true, INT_MIN},
        {"LED=[99999999999999999999999];\n", true, INT_MAX},
        // A value of any length reads like atoi on its whole text.
        {"LED=[" + std::string(300, ' ') + "7];\n", true, 7},
        {"LED=[7;\n", false, 99},
        {"LED=7];\n", false, 99},
    };
    const KaveloConfigParser config;
    for (const Case& c : cases) {
        int value = 99;
        EXPECT_EQ(config.getValueForKeyword("LED", c.line.data(), static_cast<long>(c.line.size()),
                                            &value, 1),
                  c.found)
            << c.line;
        EXPECT_EQ(value, c.value) << c.line;
    }
}

TEST(ValueForKeyword, TakesTheNthOccurrence) {
    const std::string text = "Movie Time Lapse Record=[1];\n"
                             "Movie Time Lapse Record Customized Value=[2];\n"
                             "Movie Time Lapse Record=[3];\n";
    const KaveloConfigParser config;
    const long length = static_cast<long>(text.size());
    for (long occurrence = 1; occurrence <= 3; ++occurrence) {
        int value = 0;
        EXPECT_TRUE(config.getValueForKeyword("Movie Time Lapse Record", text.data(), length,
                                              &value, occurrence));
        EXPECT_EQ(value, occurrence);
    }
    int value = 99;
    EXPECT_FALSE(
        config.getValueForKeyword("Movie Time Lapse Record", text.data(), length, &value, 4));
    EXPECT_FALSE(
        config.getValueForKeyword("Movie Time Lapse Record", text.data(), length, &value, 0));
    EXPECT_EQ(value, 99);
}

// Reads the custom white balances out of `text` into a parser whose gains all
// start at 1, and answers the nine gains and the diagnostics.
struct GainsRead {
    int gains[9];
    std::string diagnostics;
};

GainsRead readGains(const std::string& text) {
    KaveloConfigParser config;
    for (int setting = 50; setting <= 58; ++setting)
        config.setCameraValue(setting, 1);
    GainsRead result{};
    result.diagnostics = stderrOf([&] {
        EXPECT_TRUE(config.readCustomWhiteBalances(text.data(), static_cast<long>(text.size())));
    });
    for (int i = 0; i < 9; ++i)
        result.gains[i] = config.getCameraValue(50 + i);
    return result;
}

std::string gainLine(int triple, const std::string& red, const std::string& green,
                     const std::string& blue) {
    return "Customized White Balance " + std::to_string(triple) + " Red Gain=[" + red +
           "],Green Gain=[" + green + "],Blue Gain=[" + blue + "];\n";
}

std::string notFound(const char* keyword) {
    return std::string("Problem parsing file: ") + keyword + " keyword not found!!!\n";
}

TEST(CustomWhiteBalance, ReadsTheThreeTriplesInOrder) {
    const GainsRead read =
        readGains("White Balance=[6];\n" + gainLine(1, "256", "257", "258") +
                  gainLine(2, "300", "256", "120") + gainLine(3, "5", "5000", "abc"));
    const int expected[9] = {256, 257, 258, 300, 256, 120, 5, 5000, 0};
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(read.gains[i], expected[i]) << "setting " << 50 + i;
    EXPECT_EQ(read.diagnostics, "");
}

TEST(CustomWhiteBalance, ALineWithoutClosingBracketsSetsZeroAndReportsEachGain) {
    const GainsRead read =
        readGains("Customized White Balance 1 Red Gain=[300,Green Gain=[256,Blue Gain=[120;\n" +
                  gainLine(2, "2", "2", "2") + gainLine(3, "3", "3", "3"));
    EXPECT_EQ(read.gains[0], 0);
    EXPECT_EQ(read.gains[1], 0);
    EXPECT_EQ(read.gains[2], 0);
    EXPECT_EQ(read.gains[3], 2);
    EXPECT_EQ(read.diagnostics, notFound("Customized White Balance 1 Red Gain") +
                                    notFound("Green Gain") + notFound("Blue Gain"));
}

TEST(CustomWhiteBalance, ARedGainWithoutItsBracketRunsIntoTheGreenGain) {
    const GainsRead read =
        readGains("Customized White Balance 1 Red Gain=[300,Green Gain=[256],Blue Gain=[120];\n");
    EXPECT_EQ(read.gains[0], 300);
    EXPECT_EQ(read.gains[1], 256);
    EXPECT_EQ(read.gains[2], 120);
}

TEST(CustomWhiteBalance, AMisspeltRedKeywordKeepsItsGainAndTheOthersAreRead) {
    const GainsRead read = readGains(gainLine(1, "11", "12", "13") + gainLine(2, "21", "22", "23") +
                                     "Customised White Balance 3 Red Gain=[31],Green "
                                     "Gain=[32],Blue Gain=[33];\n");
    const int expected[9] = {11, 12, 13, 21, 22, 23, 1, 32, 33};
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(read.gains[i], expected[i]) << "setting " << 50 + i;
    EXPECT_EQ(read.diagnostics, notFound("Customized White Balance 3 Red Gain"));
}

TEST(CustomWhiteBalance, AMissingGreenGainShiftsTheSequence) {
    const GainsRead read = readGains("Customized White Balance 1 Red Gain=[11],Blue Gain=[13];\n" +
                                     gainLine(2, "21", "22", "23") + gainLine(3, "31", "32", "33"));
    // Triple 1 takes triple 2's green and blue; triple 2's red then lies
    // behind the position and triple 2 takes triple 3's green and blue; triple
    // 3 finds no green after that, but still the blue gain behind it.
    const int expected[9] = {11, 22, 23, 1, 32, 33, 1, 1, 33};
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(read.gains[i], expected[i]) << "setting " << 50 + i;
    EXPECT_EQ(read.diagnostics, notFound("Customized White Balance 2 Red Gain") +
                                    notFound("Customized White Balance 3 Red Gain") +
                                    notFound("Green Gain"));
}

TEST(CustomWhiteBalance, GainsWithCarriageReturnsReadAsUsual) {
    std::string text = gainLine(1, "101", "102", "103");
    text.insert(text.size() - 1, "\r");
    const GainsRead read = readGains(text);
    EXPECT_EQ(read.gains[0], 101);
    EXPECT_EQ(read.gains[2], 103);
}

} // namespace
