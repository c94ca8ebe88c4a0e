// The program's exit statuses, as --help documents them.
#pragma once

#include <stdexcept>
#include <string>

enum ExitCode {
    kExitSuccess = 0,
    kExitProblemsFound = 1, // check found something that stops the camera or the window
    kExitNoCamera = 1,      // cameras found no camera connected
    kExitUsage = 2,         // unknown command, option or setting name; missing arguments
    kExitValueRefused = 3,  // a value the window offers no choice for, or a change it refuses
    kExitUnreadable = 4,    // a file that cannot be read or is no supported configuration file
    kExitNotSaved = 5,      // the save failed; the file is as it was
};

// A failure that ends the command: main prints the message on standard error
// and exits with the code.
class CommandFailure : public std::runtime_error {
  public:
    CommandFailure(ExitCode code, const std::string& message)
        : std::runtime_error(message), exitCode(code) {}
    const ExitCode exitCode;
};
