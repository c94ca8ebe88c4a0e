// Giving a new file what the file it replaces is beside its content: owner,
// group, permission bits and extended attributes (POSIX ACLs among them).
#pragma once

#include <sys/stat.h>

// Gives `copy` the owner, group, mode and extended attributes of `original`,
// whose status is `status`. True when `copy` then has all of them, so that
// renaming it over the original keeps what the file is; false when anything
// could not be given (another owner, a group the user is no member of, an
// attribute the user may not set), and then the original must be rewritten
// in place instead.
bool takeOverAttributes(int original, const struct stat& status, int copy);
