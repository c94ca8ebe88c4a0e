// Two commands that change different settings of one file at the same time
// never lose each other's change.
#include "CliHarness.h"

#include <gtest/gtest.h>
#include <string>
#ifdef _WIN32
#include "FileLock.h"

#include <thread>
#else
#include "ChildProcess.h"
#endif

namespace {

constexpr int kUpdates = 25;

bool readNow(KaveloConfigParser& config, const std::string& path) {
#ifdef _WIN32
    // A reader there holds the file open without sharing its deletion, so a
    // save meanwhile is written in place, and the reader may find it half
    // done and refuse it. kavelo-config reads under the lock: so does this.
    const FileLock lock(path);
#endif
    return config.readConfigFile(path.c_str());
}

// In a child: sets `setting` to 1, 2, ... kUpdates with `command`, and before
// each update checks that its previous one is still in the file. Answers how
// many were lost (the other writer saved an older value over them).
int updateInTurn(const std::string& path, int setting) {
    int lost = 0;
    for (int value = 1; value <= kUpdates; ++value) {
        KaveloConfigParser now;
        if (!readNow(now, path))
            return 255;
        if (now.getCameraValue(setting) != value - 1)
            ++lost;
        const RunResult run =
            runProgram({"set", path, std::to_string(setting) + "=" + std::to_string(value), "--raw",
                        "--keep-clock"});
        if (run.status != 0)
            return 254;
    }
    return lost;
}

TEST(ConcurrentWriters, TwoSetCommandsOnDifferentSettingsLoseNoUpdate) {
    // Two settings that take any number: the custom time-lapse values of
    // video mode 1 and of the photo mode.
    const int settings[] = {6, 29};
    ScratchDirectory scratch;
    const std::string path = scratch.file("CAM.TXT");
    writeWholeFile(path, configText({{settings[0], 0}, {settings[1], 0}}));

    int lost = 0;
#ifdef _WIN32
    // No fork there: each writer is a thread, its sets programs of their own.
    int ends[2] = {};
    std::thread writers[2];
    for (int i = 0; i < 2; ++i)
        writers[i] = std::thread([&, i] { ends[i] = updateInTurn(path, settings[i]); });
    for (std::thread& writer : writers)
        writer.join();
    for (const int end : ends) {
        ASSERT_LT(end, 254) << "a read or a set failed";
        lost += end;
    }
#else
    pid_t writers[2];
    for (int i = 0; i < 2; ++i)
        writers[i] = startChild([&, i] { return updateInTurn(path, settings[i]); });
    for (const pid_t writer : writers) {
        const ChildEnd end = waitForChild(writer);
        ASSERT_TRUE(end.exited);
        ASSERT_LT(end.status, 254) << "a read or a set failed";
        lost += end.status;
    }
#endif
    const KaveloConfigParser last = readBack(path);
    // A lost last update shows only in the file.
    for (const int setting : settings)
        lost += last.getCameraValue(setting) != kUpdates;
    std::printf("updates %d, lost %d\n", 2 * kUpdates, lost);
    EXPECT_EQ(lost, 0);
    EXPECT_EQ(saveTemporariesIn(scratch.path()), 0);
}

} // namespace
