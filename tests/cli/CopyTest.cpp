// kavelo-config copy to several cameras: one result line each, each target
// keeping its own identifier texts, read back and compared; the exit status
// of the worst result; --dry-run and --all-cameras.
#include "CliHarness.h"
#include "WindowsSkips.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace {

KaveloConfigParser readBack(const std::string& path) {
    KaveloConfigParser config;
    EXPECT_TRUE(config.readConfigFile(path.c_str())) << path;
    return config;
}

TEST(Copy, EachTargetGetsALineAndKeepsItsOwnIdentification) {
    const ScratchDirectory scratch;
    const std::string source =
        scratch.write("HELMET.TXT", configText({{kLens, 2}, {kRecordingLight, 0}}));
    const std::string old = scratch.write("OLD.TXT", configText({}, "KAVELO_FW v2.17"));
    const std::string recent = scratch.write("NEW.TXT", configText({}, "KAVELO_FW v2.22"));
    const std::string unsupported = scratch.write("ODD.TXT", configText({}, "KAVELO_FW v2.30"));
    const std::string unsupportedText = readWholeFile(unsupported);

    const RunResult dry = runProgram({"copy", source, old, recent, "--dry-run"});
    EXPECT_EQ(dry.status, 0) << dry.err;
    EXPECT_NE(dry.out.find(old + ": would change 2 settings\n  recording-light: 1 -> 0\n"),
              std::string::npos)
        << dry.out;
    EXPECT_EQ(readBack(old).getCameraValue(kLens), 0);

    const RunResult run = runProgram({"copy", source, old, recent, unsupported});
    EXPECT_EQ(run.status, 4) << run.out << run.err; // the worst: a file refused
    EXPECT_NE(run.out.find(old + ": saved and checked\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find(recent + ": saved and checked\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find(unsupported + ": refused: "), std::string::npos) << run.out;
    EXPECT_EQ(readWholeFile(unsupported), unsupportedText);
    for (const auto& [path, firmware, revision] :
         {std::tuple{old, "KAVELO_FW v2.17", "HW v003"},
          std::tuple{recent, "KAVELO_FW v2.22", "HW v003"}}) {
        const KaveloConfigParser copied = readBack(path);
        EXPECT_EQ(std::string(copied.getFirmwareString()), firmware);
        EXPECT_EQ(std::string(copied.getRevisionString()), revision);
        EXPECT_EQ(copied.getCameraValue(kLens), 2);
        EXPECT_EQ(copied.getCameraValue(kRecordingLight), 0);
    }
    // The card-format line is written from firmware 2.18 only.
    EXPECT_EQ(readWholeFile(old).find("Format"), std::string::npos);
}

// The clock choice is no line of a file: leaving the cameras' clocks alone
// is no difference the reading back finds.
TEST(Copy, KeepingTheClockIsSavedAndChecked) {
    const ScratchDirectory scratch;
    const std::string source = scratch.write("HELMET.TXT", configText({{kLens, 2}}));
    const std::string first = scratch.write("A.TXT", configText({}));
    const std::string second = scratch.write("B.TXT", configText({}));
    const RunResult run = runProgram({"copy", source, first, second, "--keep-clock"});
    EXPECT_EQ(run.status, 0) << run.out << run.err;
    EXPECT_EQ(run.out, first + ": saved and checked\n" + second + ": saved and checked\n");
    EXPECT_NE(readWholeFile(first).find("Date time=[????"), std::string::npos);
}

#ifdef _WIN32
SKIPPED_ON_WINDOWS(Copy, AllCamerasReachesEveryConnectedCardButTheSource,
                   "it mounts tmpfs cards; the Windows cases give Wine a removable drive")
#else
} // namespace

#include "SmallFileSystem.h"

#include <climits>
#include <cstdlib>
#include <memory>
#include <sys/mount.h>

namespace {

std::string realPath(const std::string& path) {
    char resolved[PATH_MAX];
    return realpath(path.c_str(), resolved) != nullptr ? resolved : path;
}

// Cards mounted with their file on them, one read-only: --all-cameras takes
// every camera but the source's own file, and a card that takes no save says
// so in its line.
TEST(Copy, AllCamerasReachesEveryConnectedCardButTheSource) {
    const ScratchDirectory scratch;
    const std::string source = scratch.write("HELMET.TXT", configText({{kLens, 2}}));
    std::vector<std::string> files;
    std::vector<std::unique_ptr<SmallFileSystem>> cards;
    for (const char* name : {"copy-card-a", "copy-card-b", "copy-card-ro"}) {
        const std::string where = scratch.file(name);
        mkdir(where.c_str(), 0755);
        cards.push_back(std::make_unique<SmallFileSystem>(realPath(where)));
        if (!cards.back()->mounted())
            GTEST_SKIP() << cards.back()->reason();
        files.push_back(realPath(where) + "/CONFIG.TXT");
        writeWholeFile(files.back(), configText());
    }
    ASSERT_EQ(mount("tmpfs", realPath(scratch.file("copy-card-ro")).c_str(), "tmpfs",
                    MS_REMOUNT | MS_RDONLY, nullptr),
              0);
    // Tests beside this one may have cards of their own: --all-cameras is
    // only listed here, and the save goes to the named cards.
    const RunResult listed = runProgram({"copy", source, "--all-cameras", "--dry-run"});
    for (const std::string& file : files)
        EXPECT_NE(listed.out.find(file + ": would change 1 setting\n  lens: 0 -> 2\n"),
                  std::string::npos)
            << listed.out;
    EXPECT_EQ(listed.out.find(source), std::string::npos) << listed.out;

    const RunResult run = runProgram({"copy", source, files[0], files[1], files[2]});
    EXPECT_NE(run.out.find(files[0] + ": saved and checked\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find(files[1] + ": saved and checked\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find(files[2] + ": not saved: "), std::string::npos) << run.out;
    EXPECT_EQ(run.status, 5);
    EXPECT_EQ(readBack(files[0]).getCameraValue(kLens), 2);
    EXPECT_EQ(readBack(files[2]).getCameraValue(kLens), 0);
}
#endif

} // namespace
