// A save killed at any moment leaves the old or the new file, whole, and at
// most a temporary file that the next save removes.
#ifdef _WIN32
#include "WindowsSkips.h"

SKIPPED_ON_WINDOWS(SaveUnderKills, TheFileStaysWholeAndTheNextSaveLeavesNoTemporary,
                   "it kills forked children in the middle of saves")
SKIPPED_ON_WINDOWS(SaveUnderKills, AKilledRewriteInPlaceLeavesNoTemporaryAfterTheNextSave,
                   "it kills forked children in the middle of saves")
SKIPPED_ON_WINDOWS(SaveUnderKills, SavesSideBySideKeepEachOthersTemporary,
                   "it kills forked children in the middle of saves")
#else
#include "ChildProcess.h"
#include "SaveFixture.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <gtest/gtest.h>
#include <random>
#include <unistd.h>

namespace {

constexpr int kKills = 120;

struct KillFigures {
    int kills = 0;
    int temporariesAfterKills = 0; // left behind by the killed saves
    int temporariesAfterNextSave = 0;
    int notWhole = 0;
};

// Kills a child that saves in a loop, at random moments within about two
// saves, and looks at what each kill left.
KillFigures killSavesAtRandom(const ScratchDirectory& scratch, const std::string& path) {
    const KaveloConfigParser one = savingParser(0);
    const KaveloConfigParser other = savingParser(1);
    const std::string texts[] = {savedText(one), savedText(other)};
    EXPECT_TRUE(one.writeConfigFile(path.c_str()));

    std::random_device seed;
    std::mt19937 random(seed());
    // How long two saves take here, so that the kills spread over a save.
    const auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(one.writeConfigFile(path.c_str()) && other.writeConfigFile(path.c_str()));
    const long twoSaves =
        std::max<long>(200, static_cast<long>(std::chrono::duration_cast<std::chrono::microseconds>(
                                                  std::chrono::steady_clock::now() - start)
                                                  .count()));
    std::uniform_int_distribution<long> moment(0, twoSaves);

    KillFigures figures;
    for (int round = 0; round < kKills; ++round) {
        int started[2];
        EXPECT_EQ(pipe(started), 0);
        const pid_t child = startChild([&] {
            close(started[0]);
            const char ready = 'r';
            if (write(started[1], &ready, 1) != 1)
                return 1;
            for (int i = 0;; ++i)
                (i % 2 == 0 ? other : one).writeConfigFile(path.c_str());
        });
        close(started[1]);
        char ready = 0;
        EXPECT_EQ(read(started[0], &ready, 1), 1);
        close(started[0]);
        const timespec wait = {0, moment(random) * 1000};
        nanosleep(&wait, nullptr);
        kill(child, SIGKILL);
        waitForChild(child);
        ++figures.kills;

        const std::string now = readWholeFile(path);
        if (now != texts[0] && now != texts[1])
            ++figures.notWhole;
        figures.temporariesAfterKills += saveTemporariesIn(scratch.path());
        EXPECT_TRUE(one.writeConfigFile(path.c_str()));
        figures.temporariesAfterNextSave += saveTemporariesIn(scratch.path());
    }
    return figures;
}

TEST(SaveUnderKills, TheFileStaysWholeAndTheNextSaveLeavesNoTemporary) {
    ScratchDirectory scratch;
    const KillFigures figures = killSavesAtRandom(scratch, scratch.file("CONFIG.TXT"));
    std::printf("kills %d, temporaries left by them %d, after the next save %d, not whole %d\n",
                figures.kills, figures.temporariesAfterKills, figures.temporariesAfterNextSave,
                figures.notWhole);
    EXPECT_EQ(figures.notWhole, 0);
    EXPECT_EQ(figures.temporariesAfterNextSave, 0);
}

// A file with a second name is rewritten in place, which no kill can find
// half done only where the rewrite is one write; its temporary goes all the
// same.
TEST(SaveUnderKills, AKilledRewriteInPlaceLeavesNoTemporaryAfterTheNextSave) {
    ScratchDirectory scratch;
    const std::string path = scratch.file("CONFIG.TXT");
    writeWholeFile(path, "old");
    ASSERT_EQ(link(path.c_str(), scratch.file("SECOND.TXT").c_str()), 0);
    const KillFigures figures = killSavesAtRandom(scratch, path);
    std::printf("kills %d, temporaries left by them %d, after the next save %d, not whole %d\n",
                figures.kills, figures.temporariesAfterKills, figures.temporariesAfterNextSave,
                figures.notWhole);
    EXPECT_EQ(figures.temporariesAfterNextSave, 0);
}

// A save removes the temporaries that killed saves left, but never the one
// that another running save is writing: no save fails for it.
TEST(SaveUnderKills, SavesSideBySideKeepEachOthersTemporary) {
    constexpr int kSaves = 100;
    ScratchDirectory scratch;
    pid_t savers[2];
    for (int i = 0; i < 2; ++i) {
        const std::string path = scratch.file("CONFIG" + std::to_string(i) + ".TXT");
        savers[i] = startChild([path] {
            const KaveloConfigParser config = savingParser();
            int failed = 0;
            for (int n = 0; n < kSaves; ++n)
                failed += !config.writeConfigFile(path.c_str());
            return failed;
        });
    }
    for (const pid_t saver : savers) {
        const ChildEnd end = waitForChild(saver);
        EXPECT_TRUE(end.exited);
        EXPECT_EQ(end.status, 0) << "failed saves";
    }
    EXPECT_EQ(saveTemporariesIn(scratch.path()), 0);
}

} // namespace
#endif // _WIN32
