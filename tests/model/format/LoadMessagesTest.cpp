// The reason texts for a refused file, chosen from the numbers the read left.
#include "LoadMessages.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

namespace {

const char kRevision[] = "Camera revision not supported! \nActually supported only revision v003";
const char kTooOld[] = "Camera firmware too old! \nSupported from version v2.10 to v2.25";
const char kUnknown[] = "Unknown file format!";

std::string tooNew(const std::string& version) {
    return "Firmware v" + version +
           " not supported!\nKavelo Manager needs to be updated! \nSupported from version "
           "v2.10 to v2.25";
}

TEST(LoadMessages, ChosenRevisionFirstThenByFirmware) {
    const struct {
        int revision;
        int firmware;
        std::string message;
    } cases[] = {
        {0, 0, kRevision},   // nothing identified yet
        {2, 217, kRevision}, // a wrong revision wins over a good firmware
        {4, 300, kRevision}, // and over a bad one
        {3, 209, kTooOld},   // the last version too old
        {3, -5, kTooOld},    // a negative firmware number is old
        {3, 210, kUnknown},  // supported: the read failed for another reason
        {3, 225, kUnknown},  // the last one supported
        {3, 226, tooNew("2.26")},   {3, 230, tooNew("2.30")},
        {3, 1005, tooNew("10.05")}, {3, 2147483647, tooNew("21474836.47")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(load_messages::failureMessage(c.revision, c.firmware), c.message)
            << c.revision << " " << c.firmware;
}

TEST(LoadMessages, VersionsKeepTheirDecimalPointInAnyLocale) {
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    if (!useGermanLocale())
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    const std::string message = load_messages::failureMessage(3, 230);
    const std::string version = load_messages::firmwareVersionText(-5);
    std::setlocale(LC_ALL, saved.c_str());
    EXPECT_EQ(message, tooNew("2.30"));
    EXPECT_EQ(version, "-0.05");
}

} // namespace
