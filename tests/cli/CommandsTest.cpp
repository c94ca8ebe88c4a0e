// Each command's output and exit status, on files our writer produced.
#include "CliHarness.h"

#include <gtest/gtest.h>

#include <ctime>

namespace {

class Commands : public testing::Test {
  protected:
    ScratchDirectory scratch;
    std::string camera(const std::string& text, const std::string& name = "CAM.TXT") {
        const std::string path = scratch.file(name);
        writeWholeFile(path, text);
        return path;
    }
};

// The date line's moment as local calendar time, or -1 when it has another form.
std::time_t dateLineMoment(const std::string& text) {
    std::tm when{};
    char end = 0;
    const std::size_t at = text.find("\nDate time=[");
    if (at == std::string::npos ||
        std::sscanf(text.c_str() + at, "\nDate time=[%4d/%2d/%2d-%2d:%2d:%2d]%c", &when.tm_year,
                    &when.tm_mon, &when.tm_mday, &when.tm_hour, &when.tm_min, &when.tm_sec,
                    &end) != 7 ||
        end != ';')
        return -1;
    when.tm_year -= 1900;
    when.tm_mon -= 1;
    when.tm_isdst = -1;
    return std::mktime(&when);
}

TEST_F(Commands, ShowPrintsIdentificationAndEverySettingWithItsMeaning) {
    const std::string path = camera(configText({{15, 9}, {60, -2}, {6, 42}}));
    const RunResult run = runProgram({"show", path});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    for (const std::string& line : std::vector<std::string>{
             "Firmware:    KAVELO_FW v2.20 (version 2.20)\n",
             "Revision:    HW v003 (revision 3)\n",
             "Camera time: " + std::string(kPlaceholderDate) + "\n",
             "\n 3  video1.resolution                  0  1920x1080 narrow\n",
             "\n15  video2.resolution                  9  (no choice of the window)\n",
             "\n 6  video1.time-lapse-custom-value    42  (no control; kept as read)\n",
             "\n49  white-balance                      0  Auto\n",
             "\n60  image.exposure                    -2\n",
             "\n63  image.sharpness                    0\n",
         })
        EXPECT_NE(run.out.find(line), std::string::npos) << line;
}

TEST_F(Commands, ShowJsonEscapesIdentifiersAndGivesNullForNoMeaning) {
    const std::string path = camera(configText({}, "FW \"q\" \xff v2.20", "HW\\v003"));
    const RunResult run = runProgram({"show", "--json", path});
    EXPECT_EQ(run.status, 0);
    for (
        const char* part : {
            R"("firmware": {"text": "FW \"q\" \u00ff v2.20", "number": 220, "version": "2.20"})",
            R"("revision": {"text": "HW\\v003", "number": 3})",
            R"({"index": 54, "name": "wb.custom2.green-gain", "keyword": "Green Gain", "value": 256, "meaning": null})",
            R"({"index": 10, "name": "video1.orientation", "keyword": "Movie Flip", "value": 0, "meaning": "Normal"})",
        })
        EXPECT_NE(run.out.find(part), std::string::npos) << part;
    EXPECT_EQ(run.out.back(), '\n');
}

TEST_F(Commands, GetPrintsOneValuePerNameByNameOrIndex) {
    const std::string path = camera(configText({{3, 2}, {54, 640}, {16, 4}}));
    const RunResult run =
        runProgram({"get", path, "video1.resolution", "54", "VIDEO2.Frame-Rate", "video1.fov"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "2\n640\n4\nnarrow\n");
}

TEST_F(Commands, GetWithAnUnknownNamePrintsNoValue) {
    const std::string path = camera(configText());
    const RunResult run = runProgram({"get", path, "led", "video3.resolution"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("unknown setting 'video3.resolution'"), std::string::npos);
}

TEST_F(Commands, SaveSetsTheClockInTheDateOrderUnlessKeepClock) {
    const std::string path = camera(configText({{0, 1}}));
    const std::time_t before = std::time(nullptr);
    ASSERT_EQ(runProgram({"set", path, "led=off"}).status, 0);
    const std::time_t after = std::time(nullptr);
    std::string text = readWholeFile(path);
    // Day first: swap into year-first order before reading the moment.
    const std::size_t at = text.find("Date time=[") + 11;
    const std::string day = text.substr(at, 2), month = text.substr(at + 3, 2);
    text.replace(at, 10, text.substr(at + 6, 4) + "/" + month + "/" + day);
    const std::time_t written = dateLineMoment(text);
    EXPECT_GE(written, before);
    EXPECT_LE(written, after);
    EXPECT_EQ(readBack(path).getCameraValue(37), 0);

    ASSERT_EQ(runProgram({"set", path, "led=on", "--keep-clock"}).status, 0);
    EXPECT_NE(readWholeFile(path).find("\nDate time=[" + std::string(kPlaceholderDate) + "];\n\n"),
              std::string::npos);
}

TEST_F(Commands, SyncClockChangesOnlyTheDateLine) {
    // A clip length the window would lower stays: sync-clock changes nothing else.
    const std::string original = configText({{9, 1}, {8, 4}, {29, 7}, {61, 2}});
    const std::string path = camera(original);
    const std::time_t before = std::time(nullptr);
    const RunResult run = runProgram({"sync-clock", path});
    const std::time_t after = std::time(nullptr);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    const std::string text = readWholeFile(path);
    EXPECT_GE(dateLineMoment(text), before);
    EXPECT_LE(dateLineMoment(text), after);
    const std::size_t line = text.find("\nDate time=[");
    const std::string placeholder = "\nDate time=[" + std::string(kPlaceholderDate) + "];";
    EXPECT_EQ(text.substr(0, line) + placeholder + text.substr(line + placeholder.size()),
              original);
}

TEST_F(Commands, SyncClockRefusesADateFormatWithoutDateLine) {
    const std::string original = configText({{0, 3}});
    const std::string path = camera(original);
    const RunResult run = runProgram({"sync-clock", path});
    EXPECT_EQ(run.status, 3);
    EXPECT_NE(run.err.find("date.format is 3"), std::string::npos);
    EXPECT_EQ(readWholeFile(path), original);
}

TEST_F(Commands, CopyGivesTheTargetTheSourceSettingsAndKeepsItsIdentification) {
    // The source lacks its LED line: the target keeps its own LED setting.
    const std::string source = camera(
        withoutLine(configText({{3, 4}, {9, 1}, {8, 3}, {54, 300}, {37, 1}}, "SRC v2.25"), "LED"),
        "SRC.TXT");
    const std::string target =
        camera(withoutLine(configText({{37, 0}, {33, 2}}, "DST v2.17", "DSTREV v003"),
                           "TF card format filesystem"),
               "DST.TXT");
    const RunResult run = runProgram({"copy", source, target, "--keep-clock"});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.err.find("note: video1.clip-length is now 1 (5 min)"), std::string::npos);
    const std::string text = readWholeFile(target);
    const std::string trailer = "\n{DST v2.17}\n{DSTREV v003}\n";
    ASSERT_GT(text.size(), trailer.size());
    EXPECT_EQ(text.substr(text.size() - trailer.size()), trailer);
    EXPECT_EQ(text.find("TF card format filesystem"), std::string::npos);
    const KaveloConfigParser copied = readBack(target);
    const std::vector<SettingValue> expected = {{3, 4},    {9, 1},  {8, 1},
                                                {54, 300}, {37, 0}, {33, 0}};
    for (const SettingValue& setting : expected)
        EXPECT_EQ(copied.getCameraValue(setting.index), setting.value) << setting.index;
}

TEST_F(Commands, CheckPassesAFileOurWriterMadeFromDefaults) {
    const std::string path = camera(configText());
    const RunResult run = runProgram({"check", path});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, path + ": no problems found\n");
}

TEST_F(Commands, CheckReportsEveryKindOfProblem) {
    const std::string text =
        withoutLine(configText({{3, 1}, {4, 2}, {21, 1}, {20, 3}, {37, 5}, {6, -9}}), "LED");
    const std::string path = camera(withoutLine(text, "Customized White Balance 3"));
    const RunResult run = runProgram({"check", path});
    EXPECT_EQ(run.status, 1);
    const std::string prefix = path + ": ";
    for (const char* line : {
             "keyword \"LED\" of recording-light not found",
             "keyword \"Customized White Balance 3 Red Gain\" of wb.custom3.red-gain not found",
             "keyword \"Green Gain\" of wb.custom3.green-gain not found",
             "video1.resolution 1 (1920x1080 wide) does not go with video1.frame-rate 2 (50 fps)",
             "video2.clip-length is 3 (15 min) while video2.loop-recording is on",
         })
        EXPECT_NE(run.out.find(prefix + line), std::string::npos) << line;
    // Setting 6 has no control, so any value is no problem; a missing line is
    // not reported as a bad value as well.
    EXPECT_EQ(run.out.find("video1.time-lapse-custom"), std::string::npos);
    EXPECT_EQ(run.out.find("recording-light is"), std::string::npos);
    EXPECT_NE(run.out.find(prefix + "5 problems\n"), std::string::npos);
}

TEST_F(Commands, CheckReportsAValueNoControlOffers) {
    const std::string path = camera(configText({{47, 4}}));
    const RunResult run = runProgram({"check", path});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.out.find("motion.timeout is 4, which no control of the window offers"),
              std::string::npos);
}

TEST_F(Commands, CheckOfAnOldFirmwareDoesNotMissTheCardFormat) {
    const std::string path =
        camera(withoutLine(configText({}, "FW v2.17"), "TF card format filesystem"));
    const RunResult run = runProgram({"check", path});
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(run.err, ""); // the reader's expected complaint is not passed on
}

TEST_F(Commands, RefusedFilesGiveTheWindowsReasons) {
    struct Case {
        std::string text;
        std::string reason;
    };
    const std::string dateWithoutBracket = configText({}, "FW v2.15");
    std::string broken = dateWithoutBracket;
    broken.replace(broken.find("??:??]"), 6, "??:??");
    const Case cases[] = {
        {configText({}, "FW v2.20", "HW v002"),
         "Camera revision not supported! \nActually supported only revision v003"},
        {configText({}, "FW v2.09"),
         "Camera firmware too old! \nSupported from version v2.10 to v2.25"},
        {configText({}, "FW v2.26"),
         "Firmware v2.26 not supported!\nKavelo Manager needs to be updated! \nSupported from "
         "version v2.10 to v2.25"},
        {broken, "Unknown file format!"},
    };
    for (const Case& c : cases) {
        const std::string path = camera(c.text);
        for (const char* command : {"show", "check"}) {
            const RunResult run = runProgram({command, path});
            const bool isCheck = std::string(command) == "check";
            EXPECT_EQ(run.status, isCheck ? 1 : 4) << c.reason;
            const std::string& where = isCheck ? run.out : run.err;
            EXPECT_NE(where.find(path + ": " + c.reason + "\n"), std::string::npos) << where;
        }
    }
}

TEST_F(Commands, FilesThatCannotBeReadAreNamedAsSuch) {
    const std::string large = camera(std::string(7001, 'x'), "LARGE.TXT");
    const struct {
        std::string path;
        std::string reason;
    } cases[] = {
        {scratch.file("NONE.TXT"), "No such file or directory"},
        {large, "larger than 7000 bytes"},
    };
    for (const auto& c : cases) {
        const RunResult run = runProgram({"check", c.path});
        EXPECT_EQ(run.status, 4);
        EXPECT_NE(run.err.find(c.path + ": " + c.reason), std::string::npos) << run.err;
    }
}

TEST(CommandLine, HelpVersionAndUsageErrors) {
    const struct {
        std::vector<std::string> arguments;
        int status;
        std::string out; // a part of standard output
        std::string err; // a part of standard error
    } cases[] = {
        {{"--help"}, 0, "Exit status:\n  0  success\n", ""},
        {{"set", "--help"}, 0, "  54 wb.custom2.green-gain       100 to 999\n", ""},
        {{"--version"}, 0, "kavelo-config 1.", ""},
        {{}, 2, "", "no command given"},
        {{"frobnicate", "x"}, 2, "", "unknown command 'frobnicate'"},
        {{"show", "a", "b"}, 2, "", "usage: kavelo-config show FILE [--json]"},
        {{"show", "a", "--raw"}, 2, "", "show takes no option --raw"},
        {{"set", "a"}, 2, "", "usage: kavelo-config set FILE NAME=VALUE..."},
        {{"copy", "a", "b", "--keep"}, 2, "", "unknown option '--keep'"},
    };
    for (const auto& c : cases) {
        const RunResult run = runProgram(c.arguments);
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_NE(run.out.find(c.out), std::string::npos) << run.out;
        EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
    }
}

} // namespace
