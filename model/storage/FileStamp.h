// What an open file looks like now (its size and change times), to tell
// whether another program changed it while it was read; and a read from its
// start that leaves its offset alone. POSIX and Win32 each have their own.
#pragma once

struct FileStamp {
    bool regular = false;
    long long size = -1;
    long long modified = 0; // in the platform's finest unit
    long long changed = 0;
    bool operator==(const FileStamp& other) const {
        return regular == other.regular && size == other.size && modified == other.modified &&
               changed == other.changed;
    }
};

// The stamp of the open file `descriptor`; false when it cannot be had.
bool stampFile(int descriptor, FileStamp* stamp);

// Reads up to `size` bytes from the start of the file; answers how many.
long readFromStart(int descriptor, char* buffer, long size);

// Waits for a write to the file still under way, where the file system lets
// a reader do that (a seek for data takes the writer's lock on Linux).
void waitForWriteUnderWay(int descriptor);
