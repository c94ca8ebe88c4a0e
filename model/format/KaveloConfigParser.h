// The camera's configuration: 64 integer settings, the firmware and revision
// identification, the camera's clock text, and the reading and writing of the
// configuration file that the camera keeps on its memory card.
#pragma once

#include <string>

#include "SettingValues.h"
#include "Settings.h"

#include <cstddef>
#include <cstdio>

struct ReadReport;

constexpr int kTextSize = 256;      // identification and clock texts, NUL included
constexpr long kMaxFileSize = 7000; // larger files are refused
static_assert(kTextSize == kKeywordSize, "the file's texts and keywords share one size");

class KaveloConfigParser {
  public:
    KaveloConfigParser();

    // Settings
    void setDefaults();
    bool setCameraValue(int index, int value);
    int getCameraValue(int index) const;
    // All of them at once, for a snapshot and for the rules that mend a change.
    const SettingValues& settings() const { return cameraValues; }
    SettingValues& settings() { return cameraValues; }

    // Identification (accessor forms)
    int getFirmwareNumber() const { return firmwareNumber; }
    int getRevisionNumber() const { return revisionNumber; }
    const char* getFirmwareString() const { return firmwareString; }
    const char* getRevisionString() const { return revisionString; }
    const char* getCameraTime() const { return cameraTime; }

    // Identification (finding forms): look for the brace-enclosed identifier in
    // `text`, copy it into `destination` (256 bytes, cleared by the caller) and
    // derive the number. Print nothing.
    bool getFirmwareString(const char* text, long length, char* destination);
    bool getRevisionString(const char* text, long length, char* destination);
    bool checkFirmwareAndRevision() const;

    // Text primitives. `searchKeywordOffset` answers the index, within `text`,
    // of the byte after the "[" that follows the first occurrence of `keyword`
    // on its line, or -1. `getStringInsideSquareBrackets` copies the bytes from
    // `source` up to the next "]" on the line (at most 255 of them) into
    // `destination`, which the caller cleared; `end` bounds the scan.
    int searchKeywordOffset(const char* keyword, const char* text, long length) const;
    bool getStringInsideSquareBrackets(const char* source, char* destination,
                                       const char* end) const;
    bool readCustomWhiteBalances(const char* text, long length);

    // Reading: false, with every setting and the clock text unchanged, when
    // the file is refused. The stream may be any standard I/O stream whose
    // size a seek to its end measures; the read closes it. The forms with a
    // report also tell the caller what the file lacked.
    bool readConfigFile(const char* path);
    bool readConfigFile(const char* path, ReadReport& report);
    bool parseConfigFile(FILE* stream);
    bool parseConfigFile(FILE* stream, ReadReport& report);
    bool getValueForKeyword(const char* keyword, const char* text, long length, int* destination,
                            long occurrence) const;

    // Writing: replaces the file at `path` whole, or leaves it untouched and
    // answers false. `lastWriteError` is the system's reason (an errno value)
    // why the last write failed, 0 after a write that succeeded.
    bool writeConfigFile(const char* path) const;
    // The same write over the file itself, without the safety copy first:
    // for a card too full for one, where the new text fits in the space the
    // file takes (lastWriteFitsInPlace() after a failure for want of room).
    // A card pulled out meanwhile may leave the file damaged.
    bool writeConfigFileInPlace(const char* path) const;
    int lastWriteError() const { return writeError; }
    bool lastWriteFitsInPlace() const { return writeFitsInPlace; }
    // The text the last successful write put in the file: what a program
    // holding the file compares it with later, since by the time it could
    // read the file back another program may have changed it.
    const std::string& lastWrittenText() const { return writtenText; }

  private:
    bool parseText(const char* text, long length, ReadReport& report);
    bool readCameraTime(const char* text, long length);
    void readCustomWhiteBalances(const char* text, long length, ReadReport& report);

    char cameraTime[kTextSize];
    char firmwareString[kTextSize];
    char revisionString[kTextSize];
    int firmwareNumber;
    int revisionNumber;
    SettingValues cameraValues;
    mutable int writeError = 0; // a record of the last write, not a setting
    mutable std::string writtenText;
    mutable bool writeFitsInPlace = false;
};
