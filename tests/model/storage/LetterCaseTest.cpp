// A save through a name in another letter case, on the file system cameras
// use (exFAT ignores case): the card keeps the file's name as it was.
#include "ExfatCard.h"
#include "SafeFileReplace.h"
#include "TestFiles.h"
#include "WindowsSkips.h"

#include <gtest/gtest.h>

#include <dirent.h>

namespace {

std::vector<std::string> namesIn(const std::string& folder) {
    std::vector<std::string> names;
    DIR* entries = opendir(folder.c_str());
    while (const dirent* entry = readdir(entries)) {
        if (entry->d_name[0] != '.')
            names.emplace_back(entry->d_name);
    }
    closedir(entries);
    return names;
}

TEST(LetterCase, ASaveKeepsTheNameAsTheCardHoldsIt) {
    const ScratchDirectory scratch;
#ifdef _WIN32
    // Every folder there ignores letter case, as exFAT does.
    const std::string where = scratch.path();
    writeWholeFile(where + "/CONFIG.TXT", "old text");
#else
    const std::string where = scratch.file("card");
    ASSERT_TRUE(makeFolder(where));
    const ExfatCard card(scratch.file("card.img"), where, "old text");
    if (!card.ready())
        GTEST_SKIP() << card.reason();
#endif
    for (const char* typed : {"config.txt", "Config.Txt", "CONFIG.TXT"}) {
        int error = 0;
        const std::string text = std::string("saved as ") + typed;
        ASSERT_TRUE(
            replaceFileContents((where + "/" + typed).c_str(), text.data(), text.size(), &error))
            << typed << ": " << error;
        EXPECT_EQ(namesIn(where), std::vector<std::string>{"CONFIG.TXT"}) << typed;
        EXPECT_EQ(readWholeFile(where + "/CONFIG.TXT"), text);
    }
}

#ifdef _WIN32
SKIPPED_ON_WINDOWS(LetterCase, OnAFileSystemThatTellsCaseApartEachNameIsItsOwnFile,
                   "its folders do not tell letter case apart")
#else
// Where letter case counts, two names are two files: each save writes its own.
TEST(LetterCase, OnAFileSystemThatTellsCaseApartEachNameIsItsOwnFile) {
    const ScratchDirectory scratch;
    scratch.write("CONFIG.TXT", "upper");
    scratch.write("config.txt", "lower");
    int error = 0;
    ASSERT_TRUE(replaceFileContents(scratch.file("config.txt").c_str(), "new", 3, &error));
    EXPECT_EQ(readWholeFile(scratch.file("CONFIG.TXT")), "upper");
    EXPECT_EQ(readWholeFile(scratch.file("config.txt")), "new");
}
#endif

} // namespace
