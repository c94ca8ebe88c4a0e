// Reading a whole configuration file: refusals, tolerance, and what a read
// leaves in the object.
#include "ConfigFileText.h"
#include "KaveloConfigParser.h"
#include "ReadReport.h"
#include "TestFiles.h"
#include "WindowsSkips.h"

#include <bitset>
#include <cstdio>
#include <cstring>
#include <gtest/gtest.h>
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

// A full file as the writer lays it out, with every setting distinct.
std::string distinctFile(KaveloConfigParser& source) {
    for (int index = 0; index < kSettingCount; ++index)
        source.setCameraValue(index, 1000 + index);
    source.setCameraValue(0, 0); // a date format with a date line
    source.setCameraValue(1, 1);
    return configFileText(source, fixedMoment());
}

std::string notFound(const char* keyword) {
    return std::string("Problem parsing file: ") + keyword + " keyword not found!!!\n";
}

// Replaces the first line that starts with `prefix` (and its line feed).
std::string withoutLine(std::string text, const std::string& prefix) {
    const std::size_t start = text.find(prefix);
    return text.erase(start, text.find('\n', start) - start + 1);
}

void expectSameSettings(const KaveloConfigParser& a, const KaveloConfigParser& b) {
    for (int index = 0; index < kSettingCount; ++index)
        EXPECT_EQ(a.getCameraValue(index), b.getCameraValue(index)) << "setting " << index;
}

class Reader : public testing::Test {
  protected:
    std::string load(const std::string& text, bool expected = true) {
        const std::string path = directory.write("CONFIG.TXT", text);
        return stderrOf([&] { EXPECT_EQ(config.readConfigFile(path.c_str()), expected); });
    }
    ScratchDirectory directory;
    KaveloConfigParser config;
};

TEST_F(Reader, ReadsBackEverySettingTheWriterWrote) {
    KaveloConfigParser source = parserIdentifiedAs("KAVELO v2.20");
    const std::string text = distinctFile(source);
    EXPECT_EQ(load(text), "");
    for (int index = 2; index < kSettingCount; ++index)
        EXPECT_EQ(config.getCameraValue(index), 1000 + index) << "setting " << index;
    EXPECT_EQ(config.getCameraValue(0), 0);
    EXPECT_EQ(config.getCameraValue(1), 1); // the clock switch only shapes the date line
    EXPECT_STREQ(config.getCameraTime(), "2026/12/06-09:05:07");
    EXPECT_STREQ(config.getFirmwareString(), "KAVELO v2.20");
    EXPECT_EQ(config.getFirmwareNumber(), 220);
}

TEST_F(Reader, CarriageReturnLineEndsReadLikeLineFeeds) {
    KaveloConfigParser source = parserIdentifiedAs("KAVELO v2.20");
    std::string text = distinctFile(source);
    std::string crlf;
    for (char c : text)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    EXPECT_EQ(load(crlf), "");
    KaveloConfigParser plain;
    ASSERT_TRUE(readFromMemory(plain, text));
    expectSameSettings(config, plain);
}

TEST_F(Reader, SettingOneIsNeverRead) {
    config.setCameraValue(1, 0);
    load("Date time=[2026/01/01-00:00:00];\n" + identificationOnly());
    EXPECT_EQ(config.getCameraValue(1), 0);
}

TEST_F(Reader, SizeLimitIs7000Bytes) {
    const std::string base = "LED=[0];\n" + identificationOnly();
    const std::string exact = std::string(7000 - base.size(), ' ') + base;
    ASSERT_EQ(exact.size(), 7000u);
    load(exact);
    EXPECT_EQ(config.getCameraValue(37), 0);

    KaveloConfigParser untouched;
    config = untouched;
    EXPECT_EQ(load(" " + exact, false), ""); // refused without a word
    expectSameSettings(config, untouched);
    EXPECT_EQ(config.getFirmwareNumber(), 0);
    EXPECT_STREQ(config.getFirmwareString(), "");
}

TEST_F(Reader, RefusalsAndTheirDiagnostics) {
    struct Case {
        const char* name;
        std::string text;
        const char* diagnostic;
    };
    const Case cases[] = {
        {"empty", "", "Problem parsing file: Firmware version not found !!!\n"},
        {"no revision", "LED=[0];\n{KAVELO v2.15}\n",
         "Problem parsing file: Revision version not found !!!\n"},
        {"unsupported", "LED=[0];\n" + identificationOnly("KAVELO v2.26"),
         "Firmware or revision not supported !!!\n"},
        {"date unclosed", "Date time=[2026/01/01-00:00:00;\nLED=[0];\n" + identificationOnly(),
         "Problem parsing file: Date not found or format not correct !!!\n"},
    };
    for (const Case& c : cases) {
        KaveloConfigParser fresh;
        config = fresh;
        EXPECT_EQ(load(c.text, false), c.diagnostic) << c.name;
        EXPECT_EQ(config.getCameraValue(37), 1) << c.name; // LED keeps its default
        EXPECT_STREQ(config.getCameraTime(), "") << c.name;
    }
}

// What a refused read leaves of the identification, by how far it got.
TEST_F(Reader, ARefusedReadReplacesTheIdentificationStepByStep) {
    load("Date time=[first];\n" + identificationOnly("OLD v2.12", "OLDHW v003"));
    ASSERT_EQ(config.getFirmwareNumber(), 212);

    load("{NEW v2.14}\n", false); // revision not found
    EXPECT_STREQ(config.getFirmwareString(), "NEW v2.14");
    EXPECT_EQ(config.getFirmwareNumber(), 214);
    EXPECT_STREQ(config.getRevisionString(), "");
    EXPECT_EQ(config.getRevisionNumber(), 3);

    load("{NEW 2.14}\n{HW v002}\n", false); // firmware has no v
    EXPECT_STREQ(config.getFirmwareString(), "NEW 2.14");
    EXPECT_EQ(config.getFirmwareNumber(), 214);

    load(identificationOnly("NEW v2.30", "HW v002"), false); // unsupported
    EXPECT_EQ(config.getFirmwareNumber(), 230);
    EXPECT_EQ(config.getRevisionNumber(), 2);
    EXPECT_STREQ(config.getCameraTime(), "first");

    EXPECT_FALSE(config.readConfigFile(directory.file("missing.txt").c_str()));
    EXPECT_EQ(config.getFirmwareNumber(), 230);
}

TEST_F(Reader, MissingLinesCostOneDiagnosticEach) {
    KaveloConfigParser source = parserIdentifiedAs("KAVELO v2.20");
    const std::string full = distinctFile(source);

    config.setCameraValue(37, -7);
    EXPECT_EQ(load(withoutLine(full, "LED=")), notFound("LED"));
    EXPECT_EQ(config.getCameraValue(37), -7);
    EXPECT_EQ(config.getCameraValue(38), 1038);

    EXPECT_EQ(load(withoutLine(full, "TF card format filesystem=")),
              notFound("TF card format filesystem"));

    // Without the date line the read succeeds and the camera time stays.
    config.setCameraValue(1, 0);
    const std::string placeholder = configFileText(config, fixedMoment());
    EXPECT_EQ(load(withoutLine(placeholder, "Date time=")), "");
    EXPECT_STREQ(config.getCameraTime(), "2026/12/06-09:05:07");
}

TEST_F(Reader, WithoutVideoModeTwoEachOfItsSettingsIsReported) {
    KaveloConfigParser source = parserIdentifiedAs("KAVELO v2.20");
    std::string text = distinctFile(source);
    const std::size_t start = text.find("\nVIDEO MODE 2\n");
    const std::size_t end = text.find("\nPHOTO MODE\n");
    text.erase(start, end - start);
    for (int index = 15; index <= 26; ++index)
        config.setCameraValue(index, -index);

    const std::string diagnostics = load(text);

    std::string expected;
    for (int index = 15; index <= 26; ++index)
        expected += notFound(configKeywords[index]);
    EXPECT_EQ(diagnostics, expected);
    for (int index = 15; index <= 26; ++index)
        EXPECT_EQ(config.getCameraValue(index), -index);
}

TEST_F(Reader, ASecondFileReplacesOnlyWhatItHolds) {
    load("Date time=[one];\nLED=[0];\nPower on=[2];\n" + identificationOnly("A v2.11", "B v003"));
    load("Date time=[two];\nLED=[1];\n" + identificationOnly("C v2.21", "D v003"));
    EXPECT_EQ(config.getCameraValue(37), 1);
    EXPECT_EQ(config.getCameraValue(32), 2);
    EXPECT_STREQ(config.getCameraTime(), "two");
    EXPECT_STREQ(config.getFirmwareString(), "C v2.21");
}

TEST_F(Reader, ALongDateTextIsCutTo255Bytes) {
    load("Date time=[" + std::string(300, '9') + "];\n" + identificationOnly());
    EXPECT_EQ(std::strlen(config.getCameraTime()), 255u);
}

TEST_F(Reader, WhatIsNoRegularFileIsRefusedWithAMessage) {
#ifdef _WIN32
    // Its C runtime opens no folder: refused as a file that cannot be opened.
    const char* const folderMessage = "";
#else
    const char* const folderMessage = "Problem reading file !!!\n";
#endif
    EXPECT_EQ(stderrOf([&] { EXPECT_FALSE(config.readConfigFile(directory.path().c_str())); }),
              folderMessage);
#ifdef _WIN32
    int ends[2];
    ASSERT_EQ(_pipe(ends, 4096, _O_BINARY), 0);
    const char text[] = "{KAVELO v2.15}\n{HW v003}\n";
    ASSERT_EQ(_write(ends[1], text, sizeof text - 1), static_cast<int>(sizeof text - 1));
    _close(ends[1]);
    FILE* pipe = _fdopen(ends[0], "rb");
#else
    FILE* pipe = popen("printf '{KAVELO v2.15}\\n{HW v003}\\n'", "r");
#endif
    ASSERT_NE(pipe, nullptr);
    EXPECT_EQ(stderrOf([&] { EXPECT_FALSE(config.parseConfigFile(pipe)); }),
              "Problem reading file !!!\n");
    EXPECT_EQ(config.getFirmwareNumber(), 0);
}

} // namespace

namespace {

#ifdef _WIN32
SKIPPED_ON_WINDOWS(ReaderStreams, AnyStreamWhoseSizeASeekMeasuresIsRead,
                   "its C runtime has no stream without a descriptor (fopencookie)")
#else
// A stream with no descriptor, which reads the text and seeks only if asked
// to allow it: a seek to the end is how the reader measures a stream.
struct CookieText {
    std::string text;
    long position = 0;
};

ssize_t readCookie(void* cookie, char* buffer, std::size_t size) {
    auto* c = static_cast<CookieText*>(cookie);
    const std::size_t left = c->text.size() - static_cast<std::size_t>(c->position);
    const std::size_t n = size < left ? size : left;
    std::memcpy(buffer, c->text.data() + c->position, n);
    c->position += static_cast<long>(n);
    return static_cast<ssize_t>(n);
}

int seekCookie(void* cookie, off64_t* offset, int whence) {
    auto* c = static_cast<CookieText*>(cookie);
    const long base = whence == SEEK_END ? static_cast<long>(c->text.size())
                      : whence == SEEK_CUR ? c->position
                                           : 0;
    c->position = base + static_cast<long>(*offset);
    *offset = c->position;
    return 0;
}

FILE* cookieStream(CookieText& text, bool seekable) {
    cookie_io_functions_t calls{};
    calls.read = readCookie;
    if (seekable)
        calls.seek = seekCookie;
    return fopencookie(&text, "r", calls);
}

TEST(ReaderStreams, AnyStreamWhoseSizeASeekMeasuresIsRead) {
    KaveloConfigParser source = parserIdentifiedAs("KAVELO v2.20");
    const std::string text = distinctFile(source);

    KaveloConfigParser fromMemory;
    EXPECT_TRUE(readFromMemory(fromMemory, text)); // fmemopen: no descriptor
    EXPECT_EQ(fromMemory.getCameraValue(37), 1037);

    CookieText seekable{text};
    KaveloConfigParser fromCookie;
    EXPECT_EQ(
        stderrOf([&] { EXPECT_TRUE(fromCookie.parseConfigFile(cookieStream(seekable, true))); }),
        "");
    EXPECT_EQ(fromCookie.getCameraValue(63), 1063);

    CookieText unseekable{text};
    KaveloConfigParser refused;
    EXPECT_EQ(
        stderrOf([&] { EXPECT_FALSE(refused.parseConfigFile(cookieStream(unseekable, false))); }),
        "Problem reading file !!!\n");
    EXPECT_EQ(refused.getCameraValue(37), 1);
}
#endif

TEST(ReaderReport, NamesWhatTheFileLackedAsWellAsSayingItOnStandardError) {
    KaveloConfigParser source = parserIdentifiedAs("KAVELO v2.20");
    const std::string text =
        withoutLine(withoutLine(distinctFile(source), "LED"), "Customized White Balance 3");
    ScratchDirectory directory;
    const std::string path = directory.write("CONFIG.TXT", text);

    KaveloConfigParser config;
    ReadReport report;
    const std::string printed =
        stderrOf([&] { EXPECT_TRUE(config.readConfigFile(path.c_str(), report)); });
    // Without triple 3's line its green gain is not found after triple 2's,
    // while triple 2's blue gain still stands after that position.
    std::bitset<kSettingCount> expected;
    for (int setting : {kRecordingLight, kCustom3Red, kCustom3Green})
        expected.set(setting);
    EXPECT_EQ(report.missing, expected);
    std::string messages;
    for (const ReadDiagnostic& message : report.messages)
        messages += message.text;
    EXPECT_EQ(messages, notFound("LED") + notFound("Customized White Balance 3 Red Gain") +
                            notFound("Green Gain"));
    EXPECT_EQ(printed, messages);

    ReadReport quiet;
    quiet.toStandardError = false;
    KaveloConfigParser again;
    EXPECT_EQ(stderrOf([&] { EXPECT_TRUE(again.readConfigFile(path.c_str(), quiet)); }), "");
    EXPECT_EQ(quiet.messages, report.messages);
}

} // namespace
