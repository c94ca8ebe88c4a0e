// The temporary file beside the target that a save writes first. While its
// save works, the temporary holds an exclusive flock; a temporary whose lock
// anyone can take belongs to a save that was killed, and the next save in the
// directory removes it.
#pragma once

#include "FileDescriptor.h"

#include <string>
#include <sys/types.h>

struct SaveTemporary {
    std::string name;
    FileDescriptor file; // written through; closed on its own to see the close's error
    FileDescriptor lock; // the same open file, holding the lock until the save ends
};

// Creates a new temporary in `directory` with `mode` (as a plain create gives
// it, under the umask) and locks it. Answers 0 or the errno value.
int createSaveTemporary(int directory, mode_t mode, SaveTemporary* temporary);

// Removes the temporary and lets its lock go.
void discardSaveTemporary(int directory, SaveTemporary* temporary);

// Removes the temporaries in `directory` that no running save holds locked.
// Where the file system has no locks, nothing is removed.
void removeAbandonedTemporaries(int directory);
