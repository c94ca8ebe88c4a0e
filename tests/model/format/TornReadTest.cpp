// A read never takes a file that another program is rewriting in place as it
// reads: it reads again, and refuses a file that never holds still.
#ifdef _WIN32
#include "WindowsSkips.h"

SKIPPED_ON_WINDOWS(TornReads, AReadNeverTakesAFileRewrittenUnderIt,
                   "it rewrites the file from a forked child")
#else
#include "ChildProcess.h"
#include "SaveFixture.h"

#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

constexpr int kReads = 600;

// Every setting but the clock switch at `value`: two such files have the
// same size and differ all through.
KaveloConfigParser everySettingAt(int value) {
    KaveloConfigParser config = savingParser();
    for (int setting = 0; setting < kSettingCount; ++setting)
        config.setCameraValue(setting, setting == 1 ? 0 : value);
    return config;
}

// Which of the two files a read took: 1, 2, or 0 for a mix of both. Setting
// 45 is not written for this firmware.
int whichFile(const KaveloConfigParser& read) {
    const int first = read.getCameraValue(0);
    for (int setting = 2; setting < kSettingCount; ++setting) {
        if (setting != 45 && read.getCameraValue(setting) != first)
            return 0;
    }
    return first;
}

TEST(TornReads, AReadNeverTakesAFileRewrittenUnderIt) {
    ScratchDirectory scratch;
    const std::string path = scratch.file("CONFIG.TXT");
    const std::string texts[] = {savedText(everySettingAt(1)), savedText(everySettingAt(2))};
    ASSERT_EQ(texts[0].size(), texts[1].size());
    writeWholeFile(path, texts[0]);

    // Rewrites the file where it is, one whole text after the other, as a
    // program that opens it for writing without truncating it would.
    const pid_t writer = startChild([&] {
        const int fd = open(path.c_str(), O_WRONLY);
        for (int i = 0; fd >= 0; ++i) {
            const std::string& text = texts[i % 2];
            if (pwrite(fd, text.data(), text.size(), 0) < 0)
                return 1;
        }
        return 1;
    });

    int taken[3] = {0, 0, 0};
    int refused = 0;
    for (int i = 0; i < kReads; ++i) {
        KaveloConfigParser read;
        bool loaded = false;
        const std::string err = stderrOf([&] { loaded = read.readConfigFile(path.c_str()); });
        if (loaded) {
            ++taken[whichFile(read)];
        } else {
            ++refused;
            EXPECT_EQ(err, "Problem reading file !!!\n");
        }
    }
    kill(writer, SIGKILL);
    waitForChild(writer);
    std::printf("reads %d: first file %d, second file %d, mixed %d, refused %d\n", kReads, taken[1],
                taken[2], taken[0], refused);
    EXPECT_EQ(taken[0], 0);
}

} // namespace
#endif // _WIN32
