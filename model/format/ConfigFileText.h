// The configuration file's text as the writer lays it out: settings under
// their section headers, the date line, and the identification trailer.
#pragma once

#include <ctime>
#include <string>

class KaveloConfigParser;

// Whether a save that sets the camera's clock writes a date line in this date
// format: only the formats 0 to 2 have a layout for it.
bool dateFormatHasLine(int dateFormat);

// `localNow` is the computer's local time for the date line; it is read only
// when the "Date time" setting asks for the camera's clock to be set.
std::string configFileText(const KaveloConfigParser& config, const std::tm& localNow);

// The computer's local time now, through a replaceable clock so that tests can
// fix the moment of saving.
using ClockFunction = std::time_t (*)();
void setClockForTesting(ClockFunction clock); // nullptr restores the real clock
std::tm currentLocalTime();
