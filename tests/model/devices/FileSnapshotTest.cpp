// What became of a held file: the snapshot of a file on disk and the rule
// that compares two.
#include "FileSnapshot.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

namespace {

const std::string kCamera = identificationOnly("KAVELO_FW v2.20", "HW v003");
const std::string kOtherCamera = identificationOnly("KAVELO_FW v2.12", "HW v003");

FileSnapshot present(const std::string& text, const std::string& uuid = {}) {
    FileSnapshot where;
    where.device = 1;
    where.inode = 2;
    where.cardUuid = uuid;
    return snapshotHolding(where, text);
}

FileSnapshot missing() {
    return {};
}

FileSnapshot unreadable() {
    FileSnapshot snapshot;
    snapshot.state = FileSnapshot::State::unreadable;
    return snapshot;
}

struct ChangeCase {
    const char* what;
    FileSnapshot held;
    FileSnapshot now;
    FileChange change;
};

void PrintTo(const ChangeCase& c, std::ostream* out) {
    *out << c.what;
}

class ChangeBetween : public testing::TestWithParam<ChangeCase> {};

TEST_P(ChangeBetween, TellsWhatBecameOfTheFile) {
    EXPECT_EQ(changeBetween(GetParam().held, GetParam().now), GetParam().change);
}

FileSnapshot elsewhere(FileSnapshot snapshot) {
    snapshot.inode = 99; // renamed into place, written again: the same bytes
    snapshot.modifiedNanoseconds = 12345;
    return snapshot;
}

INSTANTIATE_TEST_SUITE_P(
    Snapshots, ChangeBetween,
    testing::Values(
        ChangeCase{"same bytes", present(kCamera), present(kCamera), FileChange::unchanged},
        ChangeCase{"same bytes in another inode at another time", present(kCamera),
                   elsewhere(present(kCamera)), FileChange::unchanged},
        ChangeCase{"other settings", present(kCamera), present(kCamera + "x"), FileChange::changed},
        ChangeCase{"same size, other bytes", present(kCamera + "a"), present(kCamera + "b"),
                   FileChange::changed},
        ChangeCase{"unreadable now", present(kCamera), unreadable(), FileChange::changed},
        ChangeCase{"no identifiers now", present(kCamera), present("shopping list"),
                   FileChange::otherCamera},
        ChangeCase{"other firmware", present(kCamera), present(kOtherCamera),
                   FileChange::otherCamera},
        ChangeCase{"same camera text on another card", present(kCamera, "1234-ABCD"),
                   present(kCamera, "5678-EF01"), FileChange::otherCamera},
        ChangeCase{"a card whose identity is unknown now", present(kCamera, "1234-ABCD"),
                   present(kCamera), FileChange::unchanged},
        ChangeCase{"deleted", present(kCamera), missing(), FileChange::deleted},
        ChangeCase{"still missing", missing(), missing(), FileChange::unchanged},
        ChangeCase{"made again after a deletion", missing(), present(kCamera),
                   FileChange::changed}));

TEST(SnapshotOf, DescribesTheFileAtThePath) {
    const ScratchDirectory folder;
    const std::string path = folder.file("CONFIG.TXT");
    EXPECT_EQ(snapshotOf(path).state, FileSnapshot::State::missing);
    writeWholeFile(path, kCamera);
    const FileSnapshot first = snapshotOf(path);
    ASSERT_EQ(first.state, FileSnapshot::State::present);
    EXPECT_EQ(first.firmwareString, "KAVELO_FW v2.20");
    EXPECT_EQ(first.size, static_cast<long long>(kCamera.size()));
    // What a writer knows of its own text is what a reader finds.
    EXPECT_EQ(changeBetween(snapshotHolding(first, kCamera), first), FileChange::unchanged);
    writeWholeFile(path, kOtherCamera);
    EXPECT_EQ(changeBetween(first, snapshotOf(path)), FileChange::otherCamera);
    EXPECT_EQ(snapshotOf(folder.path()).state, FileSnapshot::State::unreadable);
}

} // namespace
