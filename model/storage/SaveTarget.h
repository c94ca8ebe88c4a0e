// The file that a save replaces, found as its directory and its name there,
// so that every later step works relative to the directory and no step has a
// path limit that the load does not have.
#pragma once

#include "FileDescriptor.h"

#include <string>
#include <sys/stat.h>

struct SaveTarget {
    FileDescriptor directory;
    std::string name;
    bool exists = false;
    struct stat status {}; // of the file itself, when it exists
};

// Finds the file that `path` names. A symbolic link is followed to the file
// it names, which is the one replaced; a link that leads nowhere is refused.
// A missing file is no failure: the save creates it. Answers 0 or the errno
// value of the failure.
int findSaveTarget(const char* path, SaveTarget* target);
