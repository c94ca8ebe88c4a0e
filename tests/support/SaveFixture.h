// What the save tests share: a parser to save with, the text it writes, and
// what a file is beside its content.
#pragma once

#include "ConfigFileText.h"
#include "KaveloConfigParser.h"
#include "TestFiles.h"

#include <string>
#include <sys/stat.h>

// A parser identified as a supported camera whose saves write the placeholder
// date line, so that every save of the same settings writes the same text.
inline KaveloConfigParser savingParser(int lens = 0) {
    KaveloConfigParser config = parserIdentifiedAs();
    config.setCameraValue(1, 0);
    config.setCameraValue(39, lens);
    return config;
}

inline std::string savedText(const KaveloConfigParser& config) {
    return configFileText(config, std::tm{});
}

// What a save must keep of the file beside its content.
struct FileIdentity {
    ino_t inode;
    uid_t owner;
    gid_t group;
    mode_t mode;
    nlink_t links;
};

inline FileIdentity identityOf(const std::string& path) {
    struct stat status {};
    EXPECT_EQ(stat(path.c_str(), &status), 0) << path;
    return {status.st_ino, status.st_uid, status.st_gid,
            static_cast<mode_t>(status.st_mode & 07777), status.st_nlink};
}
