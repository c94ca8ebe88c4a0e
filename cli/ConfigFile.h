// Reading and saving the configuration file for the commands, with the
// window's reasons for a refused file and its way of setting the clock.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

class KaveloConfigParser;
struct CameraSave;
struct ReadReport;

enum class LoadOutcome { Loaded, Unreadable, Refused };

// Reads `path` into `config`, printing the reader's diagnostics. On failure
// `message` says why: the system's error for a file that cannot be opened,
// the window's alert text for a refused one. `report`, when given, takes what
// the file lacked.
LoadOutcome tryLoad(const std::string& path, KaveloConfigParser& config, std::string* message,
                    ReadReport* report = nullptr);

// Passes the reader's diagnostics of a read of `config` on to standard
// error, but for a missing line of a setting that the file's firmware does
// not keep: every file of such a firmware lacks it.
void printDiagnostics(const ReadReport& report, const KaveloConfigParser& config, bool loaded);

// tryLoad that throws an unreadable CommandFailure on any failure.
void load(const std::string& path, KaveloConfigParser& config);

struct SaveOptions {
    bool keepClock = false;
    bool inPlace = false;
};

// Saves as the window saves: the date line carries this computer's time while
// setting 1 ("Date time") is on; `keepClock` turns it off first, so that the
// placeholder date line leaves the camera's clock alone. A card too full for
// the safety copy is written over the file itself with `inPlace`, where the
// new text fits; without it the failure names the option. Throws a not-saved
// CommandFailure, which ends in the system's reason, when the save fails; the
// file is then as it was.
void save(const std::string& path, KaveloConfigParser& config, SaveOptions options,
          std::vector<std::string>& notes);

// The message of a failed save of `path`: the window's alert, the system's
// reason, and where the new text fits over the file, the option that writes
// it there.
std::string notSavedMessage(const std::string& path, const CameraSave& attempt, bool inPlace);
