// A save keeps what the file is: who may write it, its owner and group, its
// other names and extended attributes; a file-size limit or a full card is an
// ordinary failure; and a path that loads also saves.
#ifdef _WIN32
#include "WindowsSkips.h"

SKIPPED_ON_WINDOWS(SaveUnderLimits, AFileSizeLimitFailsTheSaveWithoutASignalAndKeepsTheFile,
                   "a file-size limit (setrlimit, SIGXFSZ) is POSIX's")
SKIPPED_ON_WINDOWS(SaveUnderLimits, AFullCardFailsTheSaveAndKeepsTheFile,
                   "it fills a small tmpfs card that it mounts")
SKIPPED_ON_WINDOWS(SaveKeepsTheFile, WhoMaySaveAndTheOwnerGroupAndModeThatStay,
                   "owners, groups and mode bits are POSIX's; a camera's card keeps none of them")
SKIPPED_ON_WINDOWS(SaveKeepsTheFile, AFileTheUserMayWriteInAFolderTheUserMayNotIsRewrittenInPlace,
                   "it drops to another user (setuid) in a forked child")
SKIPPED_ON_WINDOWS(SaveKeepsTheFile, AHardLinkStaysOneFileWithTheNewText,
                   "the cards' FAT and exFAT have no second names for a file")
SKIPPED_ON_WINDOWS(SaveKeepsTheFile, ExtendedAttributesAndAclsStay,
                   "extended attributes and POSIX ACLs are Linux's")
SKIPPED_ON_WINDOWS(SaveKeepsTheFile, WhatTheFolderGivesANewFileIsTakenAwayAgain,
                   "a folder's default ACL is a POSIX ACL")
SKIPPED_ON_WINDOWS(SaveKeepsTheFile, AWriteOnlyLeftoverTemporaryIsRemoved,
                   "it drops to another user (setuid) in a forked child")
SKIPPED_ON_WINDOWS(SaveKeepsTheFile, APathThatLoadsAlsoSaves,
                   "paths of 4095 bytes: Windows' own limit is 260 characters")
#else
#include "ChildProcess.h"
#include "SaveFixture.h"
#include "SmallFileSystem.h"

#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/xattr.h>
#include <unistd.h>
#include <vector>

namespace {

const char kOldText[] = "the card's file as it was\n";

// Sends the child's diagnostics nowhere: the parent checks the files.
void silenceStandardError() {
    const int null = open("/dev/null", O_WRONLY);
    dup2(null, STDERR_FILENO);
    close(null);
}

// ---- A file-size limit and a full card -------------------------------------

void noHandler(int) {}

// How the process treats SIGXFSZ before the save; the save must leave it so.
struct SignalSetting {
    const char* name;
    void (*handler)(int);
    bool blocked;
};
const SignalSetting kSignalSettings[] = {
    {"default action", SIG_DFL, false},
    {"ignored", SIG_IGN, false},
    {"caught", noHandler, false},
    {"blocked", SIG_DFL, true},
};

// Child outcomes, as bits of its exit status.
enum : int {
    kSaved = 1,
    kOtherReason = 2,
    kSignalActionChanged = 4,
    kSignalMaskChanged = 8,
    kSignalLeftPending = 16,
    kSetupFailed = 64,
};

// In a child: the save under a limit of `limit` bytes per file, with SIGXFSZ
// set as `setting` says. Reports in the bits above what went wrong.
int saveUnderFileSizeLimit(const std::string& path, const SignalSetting& setting, rlim_t limit) {
    const KaveloConfigParser config = savingParser(); // before the limit: it writes a file
    silenceStandardError();
    struct sigaction action {};
    action.sa_handler = setting.handler;
    sigset_t xfsz;
    sigemptyset(&xfsz);
    sigaddset(&xfsz, SIGXFSZ);
    const rlimit limits = {limit, limit};
    if (sigaction(SIGXFSZ, &action, nullptr) != 0 ||
        sigprocmask(setting.blocked ? SIG_BLOCK : SIG_UNBLOCK, &xfsz, nullptr) != 0 ||
        setrlimit(RLIMIT_FSIZE, &limits) != 0)
        return kSetupFailed;
    struct sigaction before {};
    sigset_t maskBefore;
    sigaction(SIGXFSZ, nullptr, &before);
    sigprocmask(SIG_BLOCK, nullptr, &maskBefore);

    int outcome = 0;
    if (config.writeConfigFile(path.c_str()))
        outcome |= kSaved;
    if (config.lastWriteError() != EFBIG)
        outcome |= kOtherReason;
    struct sigaction after {};
    sigset_t maskAfter;
    sigset_t pending;
    sigaction(SIGXFSZ, nullptr, &after);
    sigprocmask(SIG_BLOCK, nullptr, &maskAfter);
    sigpending(&pending);
    if (after.sa_handler != before.sa_handler || after.sa_flags != before.sa_flags)
        outcome |= kSignalActionChanged;
    for (int signal = 1; signal < NSIG; ++signal) {
        if (sigismember(&maskAfter, signal) != sigismember(&maskBefore, signal))
            outcome |= kSignalMaskChanged;
    }
    if (sigismember(&pending, SIGXFSZ))
        outcome |= kSignalLeftPending;
    return outcome;
}

// The two ways a save reaches the disk: a new file renamed into place, or,
// for a file with a second name, the file rewritten where it is.
struct SaveRoute {
    const char* name;
    bool hardLinked;
};
const SaveRoute kRoutes[] = {{"renamed into place", false}, {"rewritten in place", true}};

std::string prepare(const ScratchDirectory& scratch, const SaveRoute& route) {
    const std::string path = scratch.write("CONFIG.TXT", kOldText);
    if (route.hardLinked) {
        EXPECT_EQ(link(path.c_str(), scratch.file("SECOND.TXT").c_str()), 0);
    }
    return path;
}

TEST(SaveUnderLimits, AFileSizeLimitFailsTheSaveWithoutASignalAndKeepsTheFile) {
    // The new text is about 1900 bytes: it cannot be written under the limit.
    for (const SaveRoute& route : kRoutes) {
        for (const SignalSetting& setting : kSignalSettings) {
            SCOPED_TRACE(std::string(route.name) + ", SIGXFSZ " + setting.name);
            ScratchDirectory scratch;
            const std::string path = prepare(scratch, route);
            const ChildEnd end =
                runInChild([&] { return saveUnderFileSizeLimit(path, setting, 1000); });
            EXPECT_TRUE(end.exited) << "killed by signal " << end.status;
            EXPECT_EQ(end.status, 0) << "outcome bits";
            EXPECT_EQ(readWholeFile(path), kOldText);
            EXPECT_EQ(saveTemporariesIn(scratch.path()), 0);
        }
    }
}

TEST(SaveUnderLimits, AFullCardFailsTheSaveAndKeepsTheFile) {
    for (const SaveRoute& route : kRoutes) {
        SCOPED_TRACE(route.name);
        ScratchDirectory outer;
        const std::string card = outer.file("card");
        ASSERT_EQ(mkdir(card.c_str(), 0755), 0);
        const SmallFileSystem fileSystem(card);
        if (!fileSystem.mounted())
            GTEST_SKIP() << fileSystem.reason();
        const std::string path = card + "/CONFIG.TXT";
        writeWholeFile(path, kOldText);
        if (route.hardLinked) {
            ASSERT_EQ(link(path.c_str(), (card + "/SECOND.TXT").c_str()), 0);
        }
        fill(card);
        const KaveloConfigParser config = savingParser();
        EXPECT_EQ(stderrOf([&] { EXPECT_FALSE(config.writeConfigFile(path.c_str())); }),
                  "Problem saving configuration file!!!");
        EXPECT_EQ(config.lastWriteError(), ENOSPC);
        EXPECT_EQ(readWholeFile(path), kOldText);
        EXPECT_EQ(saveTemporariesIn(card), 0);
        // Room again: the same parser saves, and says nothing went wrong.
        ASSERT_EQ(unlink((card + "/filler").c_str()), 0);
        EXPECT_TRUE(config.writeConfigFile(path.c_str()));
        EXPECT_EQ(config.lastWriteError(), 0);
        EXPECT_EQ(readWholeFile(path), savedText(config));
    }
}

// ---- Who may save, and what the file keeps ---------------------------------

// A folder of the other user inside a scratch directory that everyone may
// enter. The tests that need it run as root and are skipped otherwise.
struct UserFolder {
    UserFolder() {
        EXPECT_EQ(chmod(scratch.path().c_str(), 0755), 0);
        EXPECT_EQ(mkdir(path.c_str(), 0755), 0);
        EXPECT_EQ(chown(path.c_str(), kOtherUser, kOtherGroup), 0);
    }
    ScratchDirectory scratch;
    std::string path = scratch.file("home");
};

enum class Saver { Root, OtherUser };

// Child outcomes, as bits of its exit status.
enum : int {
    kResultWrong = 1,
    kMessageWrong = 2,
    kReasonWrong = 4,
    kCannotBecomeUser = 64,
};

// Saves `path` as `saver` in a child; answers the outcome bits against the
// expected result (a refusal says why: EACCES).
int saveAs(Saver saver, const std::string& path, bool expectSaved) {
    return runInChild([&] {
               if (saver == Saver::OtherUser && !becomeUser(kOtherUser, kOtherGroup))
                   return static_cast<int>(kCannotBecomeUser);
               const KaveloConfigParser config = savingParser(1);
               bool saved = false;
               const std::string err =
                   stderrOf([&] { saved = config.writeConfigFile(path.c_str()); });
               int outcome = 0;
               if (saved != expectSaved)
                   outcome |= kResultWrong;
               if (err != (expectSaved ? "" : "Problem saving configuration file!!!"))
                   outcome |= kMessageWrong;
               if (config.lastWriteError() != (expectSaved ? 0 : EACCES))
                   outcome |= kReasonWrong;
               return outcome;
           })
        .status;
}

struct Ownership {
    const char* name;
    uid_t owner;
    gid_t group;
    mode_t mode;
    Saver saver;
    bool saved;   // else refused, as a plain open for writing refuses it
    bool renamed; // a new file took its place, else it was rewritten in place
};
const Ownership kOwnerships[] = {
    {"the user's own read-only file", kOtherUser, kOtherGroup, 0444, Saver::OtherUser, false,
     false},
    {"root's file in the user's folder", 0, 0, 0644, Saver::OtherUser, false, false},
    {"root's read-only file, saved by root", 0, 0, 0444, Saver::Root, true, true},
    {"a shared file the user's group may write", 1234, kOtherGroup, 0664, Saver::OtherUser, true,
     false},
    {"the user's own file", kOtherUser, kOtherGroup, 0640, Saver::OtherUser, true, true},
    // Root gives the new file the old one's owner, or its group, or both.
    {"another user's file, saved by root", 1234, 0, 0644, Saver::Root, true, true},
    {"root's file of another group, saved by root", 0, kOtherGroup, 0640, Saver::Root, true, true},
    {"another user's and group's file, saved by root", 1234, kOtherGroup, 0600, Saver::Root, true,
     true},
};

TEST(SaveKeepsTheFile, WhoMaySaveAndTheOwnerGroupAndModeThatStay) {
    if (geteuid() != 0)
        GTEST_SKIP() << "needs root to make files of other users";
    for (const Ownership& c : kOwnerships) {
        SCOPED_TRACE(c.name);
        const UserFolder folder;
        const std::string path = folder.path + "/CONFIG.TXT";
        writeWholeFile(path, kOldText);
        ASSERT_EQ(chown(path.c_str(), c.owner, c.group), 0);
        ASSERT_EQ(chmod(path.c_str(), c.mode), 0);
        const FileIdentity before = identityOf(path);

        EXPECT_EQ(saveAs(c.saver, path, c.saved), 0) << "outcome bits";
        const FileIdentity after = identityOf(path);
        EXPECT_EQ(after.inode != before.inode, c.renamed);
        EXPECT_EQ(after.owner, c.owner);
        EXPECT_EQ(after.group, c.group);
        EXPECT_EQ(after.mode, c.mode);
        EXPECT_EQ(readWholeFile(path), c.saved ? savedText(savingParser(1)) : kOldText);
        EXPECT_EQ(saveTemporariesIn(folder.path), 0);
    }
}

TEST(SaveKeepsTheFile, AFileTheUserMayWriteInAFolderTheUserMayNotIsRewrittenInPlace) {
    if (geteuid() != 0)
        GTEST_SKIP() << "needs root to drop to another user";
    const UserFolder folder;
    const std::string path = folder.path + "/CONFIG.TXT";
    writeWholeFile(path, kOldText);
    ASSERT_EQ(chown(path.c_str(), kOtherUser, kOtherGroup), 0);
    ASSERT_EQ(chmod(folder.path.c_str(), 0555), 0);
    const FileIdentity before = identityOf(path);

    EXPECT_EQ(saveAs(Saver::OtherUser, path, true), 0) << "outcome bits";
    EXPECT_EQ(readWholeFile(path), savedText(savingParser(1)));
    EXPECT_EQ(identityOf(path).inode, before.inode);
    EXPECT_EQ(saveTemporariesIn(folder.path), 0);
}

TEST(SaveKeepsTheFile, AHardLinkStaysOneFileWithTheNewText) {
    ScratchDirectory scratch;
    const std::string path = scratch.write("CONFIG.TXT", kOldText);
    const std::string second = scratch.file("BACKUP.TXT");
    ASSERT_EQ(link(path.c_str(), second.c_str()), 0);
    const FileIdentity before = identityOf(path);
    const KaveloConfigParser config = savingParser(1);
    ASSERT_TRUE(config.writeConfigFile(path.c_str()));
    EXPECT_EQ(readWholeFile(second), savedText(config));
    const FileIdentity after = identityOf(path);
    EXPECT_EQ(after.inode, before.inode);
    EXPECT_EQ(after.links, 2u);
    EXPECT_EQ(saveTemporariesIn(scratch.path()), 0);
}

std::string attributeOf(const std::string& path, const char* name) {
    char value[256];
    const ssize_t size = getxattr(path.c_str(), name, value, sizeof value);
    return size < 0 ? "(none)" : std::string(value, static_cast<std::size_t>(size));
}

// A POSIX access ACL as Linux stores it: rw for the owner, r for user 1234,
// the owning group, the mask and others.
std::string accessAclGrantingUser1234() {
    struct Entry {
        std::uint16_t tag, permissions;
        std::uint32_t id;
    };
    const std::uint32_t version = 2;
    const Entry entries[] = {
        {0x01, 6, ~0u}, {0x02, 4, 1234}, {0x04, 4, ~0u}, {0x10, 4, ~0u}, {0x20, 4, ~0u}};
    std::string acl(reinterpret_cast<const char*>(&version), sizeof version);
    acl.append(reinterpret_cast<const char*>(entries), sizeof entries);
    return acl;
}

struct Attribute {
    const char* name;
    std::string value;
    Saver saver;
    bool renamed; // copied to the new file; the other user cannot copy security.*
};

TEST(SaveKeepsTheFile, ExtendedAttributesAndAclsStay) {
    if (geteuid() != 0)
        GTEST_SKIP() << "needs root to drop to another user";
    const Attribute attributes[] = {
        {"user.kavelo.note", "keep me", Saver::OtherUser, true},
        {"system.posix_acl_access", accessAclGrantingUser1234(), Saver::OtherUser, true},
        {"security.kavelo", "label", Saver::OtherUser, false},
    };
    for (const Attribute& attribute : attributes) {
        SCOPED_TRACE(attribute.name);
        const UserFolder folder; // a scratch directory on the disk that holds /tmp
        const std::string path = folder.path + "/CONFIG.TXT";
        writeWholeFile(path, kOldText);
        ASSERT_EQ(chown(path.c_str(), kOtherUser, kOtherGroup), 0);
        ASSERT_EQ(chmod(path.c_str(), 0644), 0);
        if (setxattr(path.c_str(), attribute.name, attribute.value.data(), attribute.value.size(),
                     0) != 0) {
            std::printf("skipped %s: %s\n", attribute.name, std::strerror(errno));
            continue;
        }
        const FileIdentity before = identityOf(path);
        EXPECT_EQ(saveAs(attribute.saver, path, true), 0) << "outcome bits";
        EXPECT_EQ(readWholeFile(path), savedText(savingParser(1)));
        EXPECT_EQ(attributeOf(path, attribute.name), attribute.value);
        EXPECT_EQ(identityOf(path).mode, before.mode);
        EXPECT_EQ(identityOf(path).inode != before.inode, attribute.renamed);
        EXPECT_EQ(saveTemporariesIn(folder.path), 0);
    }
}

// A default ACL of the folder gives each new file, the save's temporary
// included, an access ACL that the original need not have.
TEST(SaveKeepsTheFile, WhatTheFolderGivesANewFileIsTakenAwayAgain) {
    ScratchDirectory folder;
    const std::string acl = accessAclGrantingUser1234();
    if (setxattr(folder.path().c_str(), "system.posix_acl_default", acl.data(), acl.size(), 0) != 0)
        GTEST_SKIP() << "no default ACLs here: " << std::strerror(errno);
    const std::string path = folder.file("CONFIG.TXT");
    writeWholeFile(path, kOldText);
    ASSERT_EQ(removexattr(path.c_str(), "system.posix_acl_access"), 0);
    const FileIdentity before = identityOf(path);

    ASSERT_TRUE(savingParser(1).writeConfigFile(path.c_str()));
    EXPECT_NE(identityOf(path).inode, before.inode) << "the new file took its place";
    EXPECT_EQ(attributeOf(path, "system.posix_acl_access"), "(none)");
    EXPECT_EQ(identityOf(path).mode, before.mode);
    EXPECT_EQ(saveTemporariesIn(folder.path()), 0);
}

// A temporary that a save of the user's left behind with the file's mode,
// write-only here, is still removed by the user's next save.
TEST(SaveKeepsTheFile, AWriteOnlyLeftoverTemporaryIsRemoved) {
    if (geteuid() != 0)
        GTEST_SKIP() << "needs root to drop to another user";
    const UserFolder folder;
    const std::string path = folder.path + "/CONFIG.TXT";
    writeWholeFile(path, kOldText);
    const std::string leftover = folder.path + "/.kavelo-save-Ab12Cd";
    writeWholeFile(leftover, "half");
    for (const std::string& file : {path, leftover}) {
        ASSERT_EQ(chown(file.c_str(), kOtherUser, kOtherGroup), 0);
        ASSERT_EQ(chmod(file.c_str(), 0200), 0);
    }
    EXPECT_EQ(saveAs(Saver::OtherUser, path, true), 0) << "outcome bits";
    EXPECT_EQ(saveTemporariesIn(folder.path), 0);
}

// ---- A path that loads also saves ------------------------------------------

// A path of exactly `length` bytes to CONFIG.TXT in nested folders below
// `root`: the temporary file's name beside it is longer than the file's.
std::string longPath(const std::string& root, std::size_t length) {
    const std::string name = "/CONFIG.TXT";
    std::string path = root;
    while (length - name.size() - path.size() > 1 + 255) {
        path += "/" + std::string(200, 'd');
        EXPECT_EQ(mkdir(path.c_str(), 0755), 0) << path.size();
    }
    path += "/" + std::string(length - name.size() - path.size() - 1, 'e');
    EXPECT_EQ(mkdir(path.c_str(), 0755), 0) << path.size();
    return path + name;
}

TEST(SaveKeepsTheFile, APathThatLoadsAlsoSaves) {
    for (const std::size_t length : {4087, 4095}) {
        SCOPED_TRACE(length);
        ScratchDirectory scratch;
        const std::string path = longPath(scratch.path(), length);
        ASSERT_EQ(path.size(), length);
        const KaveloConfigParser written = savingParser(0);
        writeWholeFile(path, savedText(written));
        // Firmware 2.15 keeps no card-format line: the reader says so.
        KaveloConfigParser config;
        stderrOf([&] { ASSERT_TRUE(config.readConfigFile(path.c_str())); });
        config.setCameraValue(39, 1);
        ASSERT_TRUE(config.writeConfigFile(path.c_str()));
        KaveloConfigParser reread;
        stderrOf([&] { ASSERT_TRUE(reread.readConfigFile(path.c_str())); });
        EXPECT_EQ(reread.getCameraValue(39), 1);
        EXPECT_EQ(saveTemporariesIn(path.substr(0, path.rfind('/'))), 0);
    }
}

} // namespace
#endif // _WIN32
