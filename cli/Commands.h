// The subcommands. Each returns the exit status or throws a CommandFailure.
#pragma once

#include <string>
#include <vector>

struct CommandLine;

int runShow(const CommandLine& line);
int runGet(const CommandLine& line);
int runSet(const CommandLine& line);
int runSyncClock(const CommandLine& line);
int runCopy(const CommandLine& line);
int runCheck(const CommandLine& line);
int runCameras(const CommandLine& line);

// Writes each note on standard error, as "kavelo-config: note: ...".
void printNotes(const std::vector<std::string>& notes);
