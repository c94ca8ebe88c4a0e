// Giving one camera's file the settings of another: the step that
// kavelo-config copy and the window's Apply to Connected Cameras take for
// each camera. The camera keeps its own identifier texts, and with them the
// lines its firmware writes; it is read back after the save and compared.
#pragma once

#include "KaveloConfigParser.h"
#include "SettingValues.h"

#include <chrono>
#include <functional>
#include <string>
#include <vector>

struct ReadReport;

// How a camera file was saved, or why not.
struct CameraSave {
    bool saved = false;
    int error = 0;            // the system's reason (an errno value) of a failure
    bool fitsInPlace = false; // the card has no room for the safety copy, but the
                              // new text fits in the space the file takes
};

// Writes `config` to `path` through the safety copy; a card too full for it
// is written over the file itself where the text fits and `inPlace` allows.
CameraSave saveCameraFile(const std::string& path, const KaveloConfigParser& config, bool inPlace);

struct CameraCopyOptions {
    enum class Clock {
        camerasOwn, // each camera keeps its own choice of setting its clock
        leaveAlone, // the date line leaves every camera's clock alone
        set,        // every camera's clock is set from this computer's
    } clock = Clock::camerasOwn;
    bool inPlace = false; // see saveCameraFile
    bool dryRun = false;  // read and compare, but save nothing
    // How long another program's lock on the file is waited for; negative:
    // as long as it is held.
    std::chrono::milliseconds lockLimit{-1};
};

struct CameraCopy {
    enum Result {
        savedAndChecked,
        wouldChange, // a dry run: `after` is what a save would write
        unreadable,  // `reason` says why (missing, not a regular file, too large)
        refused,     // not a supported camera's file; `reason` is the alert's text
        busy,        // another program held the file's lock throughout
        notSaved,    // `save` says why; the file is as it was
        notChecked,  // saved, but the file read back holds other settings
    } result = unreadable;
    std::string reason;
    CameraSave save;
    KaveloConfigParser before; // the camera's file as read
    KaveloConfigParser after;  // with the settings taken in
};

// Under the file's lock, from its read to its save: reads the camera file at
// `targetPath`, takes in (rules::takeSettingsOf) the settings that
// `settingsFor` gives for it, saves it and reads it back. `settingsFor` sees
// the camera's file as read, so that a source read over a copy of it keeps
// the camera's value for a setting the source lacks; it may throw, leaving
// the file untouched. `report` takes what the camera's file lacked.
CameraCopy
copyIntoCamera(const std::string& targetPath,
               const std::function<SettingValues(const KaveloConfigParser&)>& settingsFor,
               const CameraCopyOptions& options, ReadReport* report = nullptr);

// Whether the camera file at `path` reads back as holding `values`, all but
// the clock choice, which a file does not keep.
bool readsBackAs(const std::string& path, const SettingValues& values);

// The settings that differ between two sets, in table order.
std::vector<int> changedSettings(const SettingValues& before, const SettingValues& after);
