// Scratch files and helpers that the test suites share.
#pragma once

#include "KaveloConfigParser.h"
#include "ReadReport.h"

#include <ctime>
#include <string>

// A fresh directory for one test, removed with everything in it at the end.
class ScratchDirectory {
  public:
    ScratchDirectory();
    ~ScratchDirectory();
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }
    std::string write(const std::string& name, const std::string& content) const;
    int entryCount() const; // files in the directory, hidden ones included

  private:
    std::string path_;
};

std::string readWholeFile(const std::string& path);

// Makes a folder (only the user may enter it where that can be said);
// answers whether it did.
bool makeFolder(const std::string& path);

// How many temporary files of a save (".kavelo-save-*") `directory` holds.
int saveTemporariesIn(const std::string& directory);
void writeWholeFile(const std::string& path, const std::string& content);

// The smallest text that a reader accepts: only the two identifier lines.
std::string identificationOnly(const std::string& firmware = "KAVELO v2.15",
                               const std::string& revision = "HW v003");

// Reads `text` into `parser` from memory, as a file holding it would be read,
// with what the reader writes on standard error kept out of the test's
// output. Answers whether the reader took it.
bool readFromMemory(KaveloConfigParser& parser, const std::string& text,
                    ReadReport* report = nullptr);

// A parser that has read a file carrying these identifiers, so that its
// firmware and revision are what a real card would give it.
KaveloConfigParser parserIdentifiedAs(const std::string& firmware = "KAVELO v2.15",
                                      const std::string& revision = "HW v003");

// 6 December 2026, 09:05:07 in the test's local time zone (set to UTC).
std::tm fixedMoment();
std::time_t fixedClock();

// Points HOME and the XDG folders at a fresh scratch folder for the rest of
// the process, so that nothing a test runs (Qt's file dialog keeps its state
// there) writes into the home folder of whoever runs the tests. The folder is
// removed when the process ends.
void useScratchHome();

// Runs `action` and answers what it wrote to standard error.
template <typename Action> std::string stderrOf(Action&& action);

#include <gtest/gtest.h>
template <typename Action> std::string stderrOf(Action&& action) {
    testing::internal::CaptureStderr();
    action();
    return testing::internal::GetCapturedStderr();
}

// The first line a shell command prints, without its line end; empty when
// it prints none.
std::string firstLineOfCommand(const std::string& command);

// Sets the process locale to a German one, which writes a decimal comma,
// under the names Linux or Windows give it; false where none is installed.
// The caller puts the locale back.
bool useGermanLocale();

// Whether a file system is mounted at `where` now (as the mount table names it).
bool isMountedAt(const std::string& where);
