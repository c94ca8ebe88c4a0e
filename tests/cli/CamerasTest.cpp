// kavelo-config cameras against real mounts: a memory file system, and FAT
// and ext2 images on loop devices where the machine has them, mounted in a scratch
// folder with a configuration file our writer made. Only root may mount;
// elsewhere the tests skip.
#include "CliHarness.h"
#include "WindowsSkips.h"

#include <gtest/gtest.h>

namespace {

TEST(CamerasCommand, TakesNoOperandAndOnlyJson) {
    const RunResult operand = runProgram({"cameras", "/media"});
    EXPECT_EQ(operand.status, 2);
    EXPECT_NE(operand.err.find("usage: kavelo-config cameras [--json]"), std::string::npos);
    EXPECT_EQ(runProgram({"cameras", "--raw"}).status, 2);
}

} // namespace

#ifdef _WIN32
SKIPPED_ON_WINDOWS(CamerasOnAMemoryCard, AppearsAndGoes,
                   "it mounts tmpfs cards; the Windows cases give Wine a removable drive")
SKIPPED_ON_WINDOWS(CamerasOnAnImage, AppearsAndGoes,
                   "it mounts FAT and ext2 images on loop devices")
SKIPPED_ON_WINDOWS(CamerasCommand, GivesUpOnACardThatDoesNotAnswer,
                   "it stops an exFAT card's FUSE driver")
#else
#include "ExfatCard.h"
#include "SmallFileSystem.h"

#include <chrono>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The folder as the mount table names it: without symbolic links.
std::string realPath(const std::string& path) {
    char resolved[PATH_MAX];
    return realpath(path.c_str(), resolved) != nullptr ? resolved : path;
}

// The line of the camera mounted on `mountPoint` in the output, or "".
std::string lineOf(const std::string& out, const std::string& mountPoint) {
    const std::string start = mountPoint + "\t";
    for (std::size_t at = 0; at < out.size();) {
        const std::size_t end = out.find('\n', at);
        const std::string line = out.substr(at, end - at);
        if (line.compare(0, start.size(), start) == 0)
            return line;
        if (end == std::string::npos)
            break;
        at = end + 1;
    }
    return "";
}

// After the card is gone: its line is absent, and the exit status says
// whether any other camera is mounted on this machine.
void expectGone(const std::string& mountPoint) {
    const RunResult text = runProgram({"cameras"});
    EXPECT_EQ(lineOf(text.out, mountPoint), "") << text.out;
    EXPECT_EQ(text.status, text.out.empty() ? 1 : 0) << text.out;
    const RunResult json = runProgram({"cameras", "--json"});
    EXPECT_EQ(json.out.find(mountPoint), std::string::npos) << json.out;
    if (json.out == "[]\n")
        EXPECT_EQ(json.status, 1);
    else
        EXPECT_EQ(json.status, 0);
}

class CamerasOnAMemoryCard : public testing::Test {
  protected:
    void SetUp() override {
        // A blank in the name: the kernel's table writes it as \040.
        ASSERT_EQ(mkdir(scratch.file("KAVELO CAM").c_str(), 0700), 0);
        mountPoint = realPath(scratch.file("KAVELO CAM"));
        card = std::make_unique<SmallFileSystem>(mountPoint);
        if (!card->mounted())
            GTEST_SKIP() << card->reason();
    }

    ScratchDirectory scratch;
    std::string mountPoint;
    std::unique_ptr<SmallFileSystem> card;
};

TEST_F(CamerasOnAMemoryCard, AppearsAndGoes) {
    EXPECT_EQ(lineOf(runProgram({"cameras"}).out, mountPoint), "") << "no file yet";

    writeWholeFile(mountPoint + "/CONFIG.TXT", configText());
    RunResult text = runProgram({"cameras"});
    EXPECT_EQ(text.status, 0) << text.err;
    // (A test beside this one may have a card that does not answer.)
    EXPECT_EQ(text.err.find(mountPoint), std::string::npos) << text.err;
    EXPECT_EQ(lineOf(text.out, mountPoint),
              mountPoint + "\t" + mountPoint +
                  "/CONFIG.TXT\tKAVELO_FW v2.20\t220\tHW v003\t3\tsupported");

    const RunResult json = runProgram({"cameras", "--json"});
    EXPECT_EQ(json.status, 0) << json.err;
    EXPECT_NE(json.out.find("{\"mountPoint\": \"" + mountPoint +
                            "\", \"device\": \"tmpfs\", \"type\": \"tmpfs\", \"file\": \"" +
                            mountPoint +
                            "/CONFIG.TXT\", \"firmware\": {\"text\": \"KAVELO_FW v2.20\", "
                            "\"number\": 220, \"version\": \"2.20\"}, \"revision\": {\"text\": "
                            "\"HW v003\", \"number\": 3}, \"supported\": true}"),
              std::string::npos)
        << json.out;
    EXPECT_EQ(json.out.front(), '[');
    EXPECT_EQ(json.out.substr(json.out.size() - 3), "\n]\n");

    // An unsupported camera is still a camera.
    writeWholeFile(mountPoint + "/CONFIG.TXT", configText({}, "KAVELO_FW v2.30"));
    text = runProgram({"cameras"});
    EXPECT_EQ(text.status, 0);
    EXPECT_EQ(lineOf(text.out, mountPoint),
              mountPoint + "\t" + mountPoint +
                  "/CONFIG.TXT\tKAVELO_FW v2.30\t230\tHW v003\t3\tunsupported");

    card.reset();
    expectGone(mountPoint);
}

// A file system that mount(8) mounted, unmounted by umount(8) at the end of
// the test at the latest, which also frees the loop device mount(8) set up.
struct SystemMount {
    std::string where;
    bool mounted = false;
    bool unmount() {
        mounted = mounted && std::system(("umount '" + where + "'").c_str()) != 0;
        return !mounted;
    }
    ~SystemMount() { unmount(); }
};

// What a shell command printed, and whether it succeeded.
bool runShell(const std::string& command, std::string* output) {
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (pipe == nullptr)
        return false;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr)
        *output += buffer;
    return pclose(pipe) == 0;
}

struct ImageCase {
    const char* type;
    const char* format; // the command that makes the file system in the image
};

void PrintTo(const ImageCase& c, std::ostream* out) {
    *out << c.type;
}

// A file system in an image file, mounted through a loop device by mount(8)
// as a card in a reader is; a lower-case name, as a camera may write it.
class CamerasOnAnImage : public testing::TestWithParam<ImageCase> {};

TEST_P(CamerasOnAnImage, AppearsAndGoes) {
    const ImageCase& c = GetParam();
    if (geteuid() != 0)
        GTEST_SKIP() << "only root may mount a loop device";
    if (access("/dev/loop-control", W_OK) != 0)
        GTEST_SKIP() << "no loop devices on this machine";
    const std::string program = std::string(c.format).substr(0, std::string(c.format).find(' '));
    if (std::system(("command -v " + program + " >/dev/null 2>&1").c_str()) != 0)
        GTEST_SKIP() << program << " is not installed";
    ScratchDirectory scratch;
    const std::string image = scratch.file("card.img");
    const std::string mountPoint = realPath(scratch.path()) + "/card";
    ASSERT_EQ(mkdir(mountPoint.c_str(), 0700), 0);
    std::string output;
    ASSERT_TRUE(
        runShell("truncate -s 2M '" + image + "' && " + c.format + " '" + image + "'", &output))
        << output;
    SystemMount card{mountPoint};
    output.clear();
    card.mounted = runShell(std::string("mount -o loop -t ") + c.type + " '" + image + "' '" +
                                mountPoint + "'",
                            &output);
    if (!card.mounted)
        GTEST_SKIP() << "cannot mount the image: " << output;

    writeWholeFile(mountPoint + "/config.txt", configText());
    const RunResult text = runProgram({"cameras"});
    EXPECT_EQ(text.status, 0);
    EXPECT_EQ(lineOf(text.out, mountPoint),
              mountPoint + "\t" + mountPoint +
                  "/config.txt\tKAVELO_FW v2.20\t220\tHW v003\t3\tsupported")
        << text.out;
    const RunResult json = runProgram({"cameras", "--json"});
    EXPECT_NE(json.out.find(std::string("\"type\": \"") + c.type + "\", \"file\": \"" + mountPoint +
                            "/config.txt\""),
              std::string::npos)
        << json.out;

    ASSERT_TRUE(card.unmount());
    expectGone(mountPoint);
}

INSTANTIATE_TEST_SUITE_P(Images, CamerasOnAnImage,
                         testing::Values(ImageCase{"vfat", "mkfs.vfat -n KAVELO_CAM"},
                                         ImageCase{"ext2", "mkfs.ext2 -q -F"}),
                         [](const testing::TestParamInfo<ImageCase>& info) {
                             return std::string(info.param.type);
                         });

} // namespace

namespace {

// A card whose driver stopped answering holds `cameras` for the time limit
// only: the command says so on standard error and still lists the others.
TEST(CamerasCommand, GivesUpOnACardThatDoesNotAnswer) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the leak checker waits at exit for every thread to stop, and the look "
                    "into the stopped card never does";
#endif
    const ScratchDirectory scratch;
    ASSERT_EQ(mkdir(scratch.file("stuck").c_str(), 0700), 0);
    ASSERT_EQ(mkdir(scratch.file("good").c_str(), 0700), 0);
    const std::string stuck = realPath(scratch.file("stuck"));
    const std::string good = realPath(scratch.file("good"));
    ExfatCard card(scratch.file("card.img"), stuck, configText());
    if (!card.ready())
        GTEST_SKIP() << card.reason();
    const SmallFileSystem answering(good);
    ASSERT_TRUE(answering.mounted());
    writeWholeFile(good + "/CONFIG.TXT", configText());
    EXPECT_NE(lineOf(runProgram({"cameras"}).out, stuck), "") << "the card answers first";

    card.stopAnswering();
    {
        const auto start = std::chrono::steady_clock::now();
        const RunResult text = runProgram({"cameras"});
        const auto took = std::chrono::steady_clock::now() - start;
        EXPECT_LT(took, std::chrono::seconds(4));
        EXPECT_EQ(text.status, 0);
        EXPECT_NE(lineOf(text.out, good), "") << text.out;
        EXPECT_EQ(lineOf(text.out, stuck), "") << text.out;
        EXPECT_NE(text.err.find("kavelo-config: " + stuck +
                                ": the card is not answering; it is left out of the list"),
                  std::string::npos)
            << text.err;
    }
}

} // namespace
#endif // _WIN32
