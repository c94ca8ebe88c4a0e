// Paths cross the storage interface as UTF-8; Windows' own calls take UTF-16.
// Only the Win32 side converts.
#pragma once

#include <string>

#include <windows.h>

std::wstring widePath(const char* utf8);
std::string utf8Path(const wchar_t* wide);

// The errno value that a Win32 error stands for, as the POSIX side reports.
int errnoOf(DWORD error);
