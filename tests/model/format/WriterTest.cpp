// Writing the configuration file: layout, date line, and what is left out.
#include "ConfigFileText.h"
#include "KaveloConfigParser.h"
#include "TestFiles.h"

#include <climits>
#include <gtest/gtest.h>

namespace {

// The whole file that the camera gets from the default settings.
const char kDefaultFile[] = "Date format=[0];\n"
                            "Date time=[2026/12/06-09:05:07];\n"
                            "\n"
                            "Default Mode=[0];\n"
                            "\n"
                            "VIDEO MODE 1\n"
                            "Movie Resolution=[0];\n"
                            "Movie Frame Rate=[3];\n"
                            "Movie Time Lapse Record=[0];\n"
                            "Movie Time Lapse Record Customized Value=[1];\n"
                            "Movie Sound=[1];\n"
                            "Movie Cycle time=[2];\n"
                            "Movie Loop Recording=[0];\n"
                            "Movie Flip=[0];\n"
                            "Movie Time stamp=[1];\n"
                            "Movie quality=[1];\n"
                            "Movie high dynamic range=[0];\n"
                            "Movie file format=[0];\n"
                            "\n"
                            "VIDEO MODE 2\n"
                            "Movie Resolution=[3];\n"
                            "Movie Frame Rate=[1];\n"
                            "Movie Time Lapse Record=[0];\n"
                            "Movie Time Lapse Record Customized Value=[1];\n"
                            "Movie Sound=[1];\n"
                            "Movie Cycle time=[2];\n"
                            "Movie Loop Recording=[0];\n"
                            "Movie Flip=[0];\n"
                            "Movie Time stamp=[1];\n"
                            "Movie quality=[1];\n"
                            "Movie high dynamic range=[0];\n"
                            "Movie file format=[0];\n"
                            "\n"
                            "PHOTO MODE\n"
                            "Photo Mode Capture Size=[0];\n"
                            "Photo Set Time Lapse Shooting=[0];\n"
                            "Photo Time Lapse Shooting Customized Value=[1];\n"
                            "Photo Flip=[0];\n"
                            "Photo Time stamp=[1];\n"
                            "\n"
                            "PHOTO MODE\n"
                            "Power on=[1];\n"
                            "Power off=[0];\n"
                            "Auto Record with External Power=[0];\n"
                            "One Power Button to Auto Record=[0];\n"
                            "Auto Off with External Power disconnected=[0];\n"
                            "LED=[1];\n"
                            "Charge from USB Host=[0];\n"
                            "Lens option=[0];\n"
                            "Light frequency=[1];\n"
                            "Web camera mode=[0];\n"
                            "Web camera Flip=[0];\n"
                            "TV out=[0];\n"
                            "TV Display Ratio=[0];\n"
                            "TF card format filesystem=[0];\n"
                            "Motion Detect=[0];\n"
                            "Motion Detect Timeout=[2];\n"
                            "Motion Detect Sensitivity=[1];\n"
                            "White Balance=[0];\n"
                            "Customized White Balance 1 Red Gain=[256],Green Gain=[256],Blue "
                            "Gain=[256];\n"
                            "Customized White Balance 2 Red Gain=[256],Green Gain=[256],Blue "
                            "Gain=[256];\n"
                            "Customized White Balance 3 Red Gain=[256],Green Gain=[256],Blue "
                            "Gain=[256];\n"
                            "Color Effect=[0];\n"
                            "Exposure Value=[0];\n"
                            "Contrast=[0];\n"
                            "Saturation=[0];\n"
                            "Sharpness=[0];\n"
                            "\n"
                            "{KAVELO v2.18}\n"
                            "{HW v003}\n";

class Writer : public testing::Test {
  protected:
    void SetUp() override { setClockForTesting(fixedClock); }
    void TearDown() override { setClockForTesting(nullptr); }

    std::string save(const KaveloConfigParser& config) {
        const std::string path = directory.file("CONFIG.TXT");
        EXPECT_TRUE(config.writeConfigFile(path.c_str()));
        return readWholeFile(path);
    }
    ScratchDirectory directory;
};

TEST_F(Writer, DefaultSettingsGiveTheWholeLayout) {
    const KaveloConfigParser config = parserIdentifiedAs("KAVELO v2.18");
    const std::string text = save(config);
    EXPECT_EQ(text, kDefaultFile);
    EXPECT_EQ(text.size(), 1603u + 12 + 7);
}

TEST_F(Writer, DateLineFollowsTheClockSwitchAndTheDateFormat) {
    struct Case {
        int dateTime;
        int dateFormat;
        const char* between; // what stands between the two head lines
    };
    const Case cases[] = {
        {1, 0, "Date time=[2026/12/06-09:05:07];\n\n"},
        {1, 1, "Date time=[06/12/2026-09:05:07];\n\n"},
        {1, 2, "Date time=[12/06/2026-09:05:07];\n\n"},
        {1, 3, ""},
        {-4, -1, ""},
        {0, 0,
         "Date time=[????"
         "/??"
         "/??"
         "-??"
         ":??"
         ":??];\n\n"},
        {0, 7,
         "Date time=[????"
         "/??"
         "/??"
         "-??"
         ":??"
         ":??];\n\n"},
    };
    for (const Case& c : cases) {
        KaveloConfigParser config;
        config.setCameraValue(1, c.dateTime);
        config.setCameraValue(0, c.dateFormat);
        const std::string text = configFileText(config, fixedMoment());
        const std::string head = "Date format=[" + std::to_string(c.dateFormat) + "];\n" +
                                 c.between + "Default Mode=[0];\n";
        EXPECT_EQ(text.substr(0, head.size()), head) << c.dateTime << "/" << c.dateFormat;
    }
}

int gClockReads = 0;
std::time_t countingClock() {
    ++gClockReads;
    return fixedClock();
}

TEST_F(Writer, TheClockIsReadOnlyWhenTheCameraClockIsSet) {
    setClockForTesting(countingClock);
    KaveloConfigParser config;
    gClockReads = 0;
    config.setCameraValue(1, 0);
    save(config);
    EXPECT_EQ(gClockReads, 0);
    config.setCameraValue(1, 1);
    save(config);
    EXPECT_EQ(gClockReads, 1);
}

TEST_F(Writer, CardFormatLineOnlyForFirmwareAbove2_17) {
    struct Case {
        const char* firmware;
        bool written;
    };
    for (const Case& c :
         {Case{"v2.17", false}, Case{"v2.18", true}, Case{"v2.25", true}, Case{"v2.10", false}}) {
        const std::string text = save(parserIdentifiedAs(c.firmware));
        EXPECT_EQ(text.find("TF card format filesystem=[0];\n") != std::string::npos, c.written)
            << c.firmware;
    }
    // Before any file was read the firmware number is 0.
    EXPECT_EQ(save(KaveloConfigParser()).find("TF card"), std::string::npos);
}

TEST_F(Writer, ValuesAreWrittenUncheckedAndIdentifiersVerbatim) {
    KaveloConfigParser config;
    config.setCameraValue(60, -2);
    config.setCameraValue(61, -5);
    config.setCameraValue(50, 1234);
    config.setCameraValue(63, INT_MIN);
    const std::string text = save(config);
    EXPECT_NE(text.find("Exposure Value=[-2];\n"), std::string::npos);
    EXPECT_NE(text.find("Contrast=[-5];\n"), std::string::npos);
    EXPECT_NE(text.find("Customized White Balance 1 Red Gain=[1234],"), std::string::npos);
    EXPECT_NE(text.find("Sharpness=[-2147483648];\n"), std::string::npos);
    // No file read yet: empty identifiers.
    EXPECT_EQ(text.substr(text.size() - 7), "\n{}\n{}\n");
}

TEST_F(Writer, LongestValuesAndIdentifiersStayUnderTheSizeLimit) {
    const std::string firmware = "v2.15" + std::string(250, 'f');
    const std::string revision = "v003" + std::string(251, 'r');
    KaveloConfigParser config = parserIdentifiedAs(firmware, revision);
    for (int index = 0; index < kSettingCount; ++index)
        config.setCameraValue(index, INT_MIN);
    config.setCameraValue(1, 0);
    const std::string text = save(config);
    EXPECT_LT(text.size(), static_cast<std::size_t>(kMaxFileSize));
    EXPECT_NE(text.find("\n{" + firmware + "}\n{" + revision + "}\n"), std::string::npos);
}

TEST_F(Writer, SavingTwiceWithinASecondGivesTheSameBytes) {
    const KaveloConfigParser config = parserIdentifiedAs();
    EXPECT_EQ(save(config), save(config));
}

TEST_F(Writer, AMissingDirectoryFailsWithOneMessageAndNoFile) {
    const KaveloConfigParser config;
    const std::string path = directory.file("no/such/CONFIG.TXT");
    EXPECT_EQ(stderrOf([&] { EXPECT_FALSE(config.writeConfigFile(path.c_str())); }),
              "Problem saving configuration file!!!");
    EXPECT_EQ(directory.entryCount(), 0);
}

} // namespace
