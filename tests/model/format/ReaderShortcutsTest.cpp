// The reader's shortcuts against the plain rules they stand for: the keyword
// search that jumps between a keyword's rarest bytes and skips its own bytes
// when looking for the "[", the value conversion that checks for overflow
// once, and the read of a handed-over stream straight from the start of its
// file.
#include "ConfigFileText.h"
#include "KaveloConfigParser.h"
#include "TestFiles.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

namespace {

// The search rule, one position at a time: the first position with at least
// one byte after the keyword decides, and the answer is the byte after the
// next "[" on that line.
int plainSearch(const std::string& keyword, const std::string& text) {
    const std::size_t k = keyword.size();
    if (text.size() <= k)
        return -1;
    for (std::size_t start = 0; start + k < text.size(); ++start) {
        if (text.compare(start, k, keyword) != 0)
            continue;
        for (std::size_t p = start; p < text.size(); ++p) {
            if (text[p] == '[')
                return static_cast<int>(p + 1);
            if (text[p] == '\n')
                return -1;
        }
        return -1;
    }
    return -1;
}

TEST(KeywordSearch, AgreesWithThePlainRuleOnEveryTailAndHead) {
    const std::string text = "Motion Detect Timeout=[2];\nMotion Detect=[1];\nLED=1;\nLED=[0];\n"
                             "Customized White Balance 1 Red Gain=[300],Green Gain=[7],Blue "
                             "Gain=[9];\na[b=[5];\nx\ny=[6];\n[=[8];\nzz=[1];\nSharpness=[0]";
    // Table keywords whose rarest byte stands first, inside or last, keywords
    // that hold a "[" or a line feed, and the empty keyword.
    const char* const keywords[] = {
        "Motion Detect",
        "Motion Detect Timeout",
        "LED",
        "White Balance",
        "Green Gain",
        "Blue Gain",
        "Sharpness",
        "a[b",
        "x\ny",
        "[",
        "zz",
        "z",
        "",
        "Gain=[9];",
        "Sharpness=[0]",
    };
    const KaveloConfigParser config;
    for (const char* keyword : keywords) {
        for (std::size_t cut = 0; cut <= text.size(); ++cut) {
            const std::string tail = text.substr(cut);
            const std::string head = text.substr(0, cut);
            EXPECT_EQ(
                config.searchKeywordOffset(keyword, tail.data(), static_cast<long>(tail.size())),
                plainSearch(keyword, tail))
                << "\"" << keyword << "\" in the text from byte " << cut;
            EXPECT_EQ(
                config.searchKeywordOffset(keyword, head.data(), static_cast<long>(head.size())),
                plainSearch(keyword, head))
                << "\"" << keyword << "\" in the first " << cut << " bytes";
        }
    }
}

TEST(KeywordSearch, AKeywordsOwnBracketOrLineFeedCounts) {
    const KaveloConfigParser config;
    const std::string text = "a[b=[5];\nx\ny=[6];\n";
    EXPECT_EQ(config.searchKeywordOffset("a[b", text.data(), static_cast<long>(text.size())), 2);
    EXPECT_EQ(config.searchKeywordOffset("x\ny", text.data(), static_cast<long>(text.size())), -1);
}

// A value converts like strtoll on its text, pinned to the 32-bit limits.
TEST(ValueConversion, AgreesWithTheCLibraryPinnedToThirtyTwoBits) {
    const std::string texts[] = {
        "0",
        "7",
        "-7",
        "+7",
        " \t7",
        "2147483647",
        "2147483648",
        "-2147483648",
        "-2147483649",
        "4294967296",
        "9999999999",
        "10000000000",
        "99999999999999999999999",
        "-99999999999999999999999",
        "0000000000000000000000042",
        "-00000000000000002147483648",
        "000000000000000000002147483648",
        "12345678901",
        "1234567890",
        "-1234567890x",
        "",
        "-",
        "+",
        " ",
        "x7",
        "7 8",
        "--7",
        "-+7",
        "0x10",
        "1e3",
    };
    const KaveloConfigParser config;
    for (const std::string& text : texts) {
        const std::string line = "LED=[" + text + "];\n";
        int value = 99;
        ASSERT_TRUE(config.getValueForKeyword("LED", line.data(), static_cast<long>(line.size()),
                                              &value, 1))
            << line;
        const long long wide = std::strtoll(text.c_str(), nullptr, 10);
        const long long pinned = wide < INT_MIN ? INT_MIN : wide > INT_MAX ? INT_MAX : wide;
        EXPECT_EQ(value, pinned) << line;
    }
}

class StreamRead : public testing::Test {
  protected:
    void SetUp() override {
        KaveloConfigParser source = parserIdentifiedAs("KAVELO v2.20", "HW v003");
        source.setCameraValue(37, 0); // LED, default 1
        text = configFileText(source, fixedMoment());
    }

    ScratchDirectory directory;
    std::string text;
    KaveloConfigParser config;
};

TEST_F(StreamRead, AStreamAtTheEndOfItsFileIsReadFromTheStart) {
    FILE* stream = std::fopen(directory.write("CONFIG.TXT", text).c_str(), "rb");
    ASSERT_NE(stream, nullptr);
    ASSERT_EQ(std::fseek(stream, 0, SEEK_END), 0);
    EXPECT_TRUE(config.parseConfigFile(stream));
    EXPECT_EQ(config.getCameraValue(37), 0);
    EXPECT_STREQ(config.getFirmwareString(), "KAVELO v2.20");
}

TEST_F(StreamRead, WhatTheStreamHasNotYetWrittenIsPartOfTheFile) {
    FILE* stream = std::fopen(directory.file("CONFIG.TXT").c_str(), "w+b");
    ASSERT_NE(stream, nullptr);
    // Shorter than the stream's buffer: nothing reaches the file before the read.
    ASSERT_GE(std::fputs(text.c_str(), stream), 0);
    EXPECT_TRUE(config.parseConfigFile(stream));
    EXPECT_EQ(config.getCameraValue(37), 0);
}

} // namespace
