// What a camera's configuration file is at one moment, so that a program
// holding it open can tell later whether the file at that path is still the
// one it read: changed by another program, deleted, or another camera's file
// on another card at the same place.
#pragma once

#include <cstdint>
#include <string>

struct FileSnapshot {
    enum class State { present, missing, unreadable };
    State state = State::missing;
    int error = 0; // the system's reason, for a file that could not be read
    // Where the file is and what its bytes are.
    unsigned long long device = 0;
    unsigned long long inode = 0;
    long long size = 0;
    long long modifiedNanoseconds = 0;
    std::uint64_t checksum = 0;
    // The camera's identifier texts as the file names them (empty when it
    // names none), and the identity of the card's file system where the
    // system has one (its UUID; empty otherwise).
    std::string firmwareString;
    std::string revisionString;
    std::string cardUuid;
};

// Reads the file at `path` (at most one byte more than a configuration file
// may hold) and describes it. Keeps no file open.
FileSnapshot snapshotOf(const std::string& path);

// The snapshot of a file that holds `text`, where `where` describes it: a
// program that wrote `text` knows the bytes it wrote, whoever wrote after it.
FileSnapshot snapshotHolding(FileSnapshot where, const std::string& text);

enum class FileChange {
    unchanged,   // the bytes the holder read (its own save included)
    changed,     // another program wrote other bytes, or made it unreadable
    otherCamera, // another camera's file, or another card, is at the path
    deleted,     // no file at the path
};

// What became of the file `held` described, now that `now` describes the
// file at its path.
FileChange changeBetween(const FileSnapshot& held, const FileSnapshot& now);
