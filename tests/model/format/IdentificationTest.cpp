// Finding the firmware and revision identifiers and deriving their numbers.
#include "KaveloConfigParser.h"
#include "TestFiles.h"

#include <climits>
#include <clocale>
#include <cstring>
#include <gtest/gtest.h>

namespace {

struct FirmwareCase {
    const char* name;
    std::string text;
    bool found;
    std::string identifier; // what the destination holds afterwards
    int number;             // firmwareNumber afterwards (starts at 0)
};

void PrintTo(const FirmwareCase& c, std::ostream* out) {
    *out << c.name;
}

class FirmwareIdentifier : public testing::TestWithParam<FirmwareCase> {};

TEST_P(FirmwareIdentifier, IsFoundAndNumbered) {
    const FirmwareCase& c = GetParam();
    KaveloConfigParser config;
    char destination[kTextSize] = {};
    EXPECT_EQ(
        config.getFirmwareString(c.text.data(), static_cast<long>(c.text.size()), destination),
        c.found);
    EXPECT_STREQ(destination, c.identifier.c_str());
    EXPECT_EQ(config.getFirmwareNumber(), c.number);
}

const std::string k255(255, 'x');
const std::string k256(256, 'x');

INSTANTIATE_TEST_SUITE_P(
    Texts, FirmwareIdentifier,
    testing::Values(
        FirmwareCase{"NoBrace", "KAVELO v2.15\n", false, "", 0},
        FirmwareCase{"BraceIsLastByte", "LED=[1];\n{", false, "", 0},
        FirmwareCase{"ClosingBraceOnNextLine", "{KAVELO v2.15\n}", false, "", 0},
        FirmwareCase{"NoVAnywhere", "LED=[1];\n{KAVELO 2.15}", false, "KAVELO 2.15", 0},
        FirmwareCase{"VOnlyAsFirstByteIsNotExamined", "v{2.15}", false, "2.15", 0},
        FirmwareCase{"VBeforeTheBraceTakesTheNumberFromThere", "xv2.17 {ABC}", true, "ABC", 217},
        FirmwareCase{"VBeforeTheBraceUsuallyGivesZero", "Motion Detect Sensitivity=[1];\n{ABC}",
                     true, "ABC", 0},
        FirmwareCase{"Version2_10", "{KAVELO v2.10}", true, "KAVELO v2.10", 210},
        FirmwareCase{"Version2_1", "{KAVELO v2.1}", true, "KAVELO v2.1", 210},
        FirmwareCase{"Version2_17", "{KAVELO v2.17}", true, "KAVELO v2.17", 217},
        FirmwareCase{"Version2_25", "{KAVELO v2.25}", true, "KAVELO v2.25", 225},
        FirmwareCase{"Version2_26RoundsUp", "{KAVELO v2.26}", true, "KAVELO v2.26", 226},
        FirmwareCase{"Version2_09", "{KAVELO v2.09}", true, "KAVELO v2.09", 209},
        FirmwareCase{"LastVCounts", "{vivid v2.20}", true, "vivid v2.20", 220},
        FirmwareCase{"EmptyNumberText", "{KAVELO v}", true, "KAVELO v", 0},
        // -214.5 truncates toward zero.
        FirmwareCase{"NegativeVersion", "{KAVELO v-2.15}", true, "KAVELO v-2.15", -214},
        FirmwareCase{"HugeVersionSaturates", "{v99999999999}", true, "v99999999999", INT_MAX},
        FirmwareCase{"HugeNegativeSaturates", "{v-1e300}", true, "v-1e300", INT_MIN},
        FirmwareCase{"NotANumberGivesZero", "{vnan}", true, "vnan", 0},
        // Only the first 15 bytes of the number text count.
        FirmwareCase{"LongNumberTextIsCut", "xv" + std::string(13, ' ') + "2.17 {A}", true, "A",
                     200},
        FirmwareCase{"CarriageReturnAfterTheBrace", "{KAVELO v2.15}\r\n", true, "KAVELO v2.15",
                     215},
        FirmwareCase{"IdentifierOf255BytesFits", "{v2.15" + k255.substr(5) + "}", true,
                     "v2.15" + k255.substr(5), 215},
        FirmwareCase{"IdentifierOf256BytesIsNotFound", "{v2.15" + k256.substr(5) + "}", false, "",
                     0},
        FirmwareCase{"IdentifierHoldingANulIsNotFound",
                     std::string("{v2.1\0"
                                 "5}",
                                 7),
                     false, "", 0}),
    [](const testing::TestParamInfo<FirmwareCase>& info) { return info.param.name; });

struct RevisionCase {
    const char* name;
    std::string text;
    bool found;
    std::string identifier;
    int number;
};

void PrintTo(const RevisionCase& c, std::ostream* out) {
    *out << c.name;
}

class RevisionIdentifier : public testing::TestWithParam<RevisionCase> {};

TEST_P(RevisionIdentifier, IsFoundAndNumbered) {
    const RevisionCase& c = GetParam();
    KaveloConfigParser config;
    char destination[kTextSize] = {};
    EXPECT_EQ(
        config.getRevisionString(c.text.data(), static_cast<long>(c.text.size()), destination),
        c.found);
    EXPECT_STREQ(destination, c.identifier.c_str());
    EXPECT_EQ(config.getRevisionNumber(), c.number);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, RevisionIdentifier,
    testing::Values(RevisionCase{"Revision003", "{FW v2.15}\n{HW v003}\n", true, "HW v003", 3},
                    RevisionCase{"Revision3a", "{FW v2.15}\n{HW v3a}\n", true, "HW v3a", 3},
                    RevisionCase{"VRightBeforeTheBrace", "{FW v2.15}\n{HW v}\n", true, "HW v", 0},
                    RevisionCase{"OnlyOnePair", "{FW v2.15}\n", false, "", 0},
                    RevisionCase{"SecondPairUnclosed", "{FW v2.15}\n{HW v003\n}", false, "", 0},
                    // Two opening braces side by side: the second opens the revision, and both
                    // identifiers end at the same closing brace.
                    RevisionCase{"AdjacentOpeningBraces", "{{FW v2.15}\n", true, "FW v2.15", 2},
                    RevisionCase{"NoVInsideTakesTheFirmwaresV", "{FW v2.15}{3}", true, "3", 2}),
    [](const testing::TestParamInfo<RevisionCase>& info) { return info.param.name; });

TEST(SupportTest, AcceptsFirmware2_10To2_25WithRevision3Only) {
    struct Case {
        const char* firmware;
        const char* revision;
        bool supported;
    };
    const Case cases[] = {
        {"v2.10", "v003", true},  {"v2.25", "v003", true},   {"v2.17", "v3", true},
        {"v2.09", "v003", false}, {"v2.26", "v003", false},  {"v2.10", "v002", false},
        {"v2.15", "v004", false}, {"v-2.15", "v003", false},
    };
    for (const Case& c : cases) {
        const std::string text = identificationOnly(c.firmware, c.revision);
        KaveloConfigParser config;
        char firmware[kTextSize] = {};
        char revision[kTextSize] = {};
        ASSERT_TRUE(
            config.getFirmwareString(text.data(), static_cast<long>(text.size()), firmware));
        ASSERT_TRUE(
            config.getRevisionString(text.data(), static_cast<long>(text.size()), revision));
        EXPECT_EQ(config.checkFirmwareAndRevision(), c.supported)
            << c.firmware << " " << c.revision;
    }
}

// Qt sets the process locale from the environment; a German desktop must not
// turn firmware 2.17 into 2.
TEST(Identification, NumbersDoNotDependOnTheLocale) {
    const std::string before = std::setlocale(LC_ALL, nullptr);
    if (!useGermanLocale())
        GTEST_SKIP() << "no German locale on this machine";
    const std::string text = "{KAVELO v2.17}\n{HW v003}\n";
    const std::string comma = "{KAVELO v2,17}\n{HW v003}\n";
    KaveloConfigParser config;
    char destination[kTextSize] = {};
    config.getFirmwareString(text.data(), static_cast<long>(text.size()), destination);
    const int dotted = config.getFirmwareNumber();
    config.getFirmwareString(comma.data(), static_cast<long>(comma.size()), destination);
    const int withComma = config.getFirmwareNumber();
    std::setlocale(LC_ALL, before.c_str());
    EXPECT_EQ(dotted, 217);
    EXPECT_EQ(withComma, 200);
}

} // namespace
