// Splitting the command line into the command, its operands and its options.
#pragma once

#include <string>
#include <vector>

struct CommandLine {
    std::string command; // "show", "get", ...; empty with --help or --version
    std::vector<std::string> operands;
    bool help = false;
    bool version = false;
    bool json = false;
    bool raw = false;
    bool keepClock = false;
    bool inPlace = false;
    bool dryRun = false;
    bool allCameras = false;
};

// Options may stand anywhere after the command; "--" ends them. Throws a
// usage CommandFailure for an unknown command or option, an option the
// command does not take, or a wrong number of operands.
CommandLine parseCommandLine(const std::vector<std::string>& arguments);
