// Running kavelo-config.exe in a child process, its output caught in files:
// nothing to drain while it runs, so no pipe can fill up.
#include "CliHarness.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <windows.h>

namespace {

std::wstring wide(const std::string& text) {
    if (text.empty())
        return {};
    const int length =
        MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring converted(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &converted[0],
                        length);
    return converted;
}

// One argument as the C runtime of the child splits its command line again.
std::wstring quoted(const std::wstring& argument) {
    if (!argument.empty() && argument.find_first_of(L" \t\"") == std::wstring::npos)
        return argument;
    std::wstring text = L"\"";
    std::size_t backslashes = 0;
    for (wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        // Backslashes stay as they are, unless a quote follows them.
        text.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
        backslashes = 0;
        text += c;
    }
    text.append(2 * backslashes, L'\\');
    return text + L"\"";
}

// The program beside the tests: its path from this test program's folder.
std::wstring programPath() {
    wchar_t own[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, own, MAX_PATH);
    std::wstring folder(own, length);
    folder.erase(folder.find_last_of(L"\\/") + 1);
    return folder + wide(KAVELO_CONFIG_PROGRAM);
}

HANDLE inheritableFile(const std::string& path) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    return CreateFileW(wide(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

} // namespace

namespace {

RunResult runOnce(const std::wstring& program, std::wstring commandLine) {
    ScratchDirectory output;
    const HANDLE out = inheritableFile(output.file("out"));
    const HANDLE err = inheritableFile(output.file("err"));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = out;
    startup.hStdError = err;
    PROCESS_INFORMATION child{};
    const bool started = CreateProcessW(program.c_str(), &commandLine[0], nullptr, nullptr, TRUE, 0,
                                        nullptr, nullptr, &startup, &child);
    CloseHandle(out);
    CloseHandle(err);
    if (!started)
        return {-1, "", "cannot start the program: error " + std::to_string(GetLastError())};
    WaitForSingleObject(child.hProcess, INFINITE);
    DWORD status = 0;
    GetExitCodeProcess(child.hProcess, &status);
    CloseHandle(child.hThread);
    CloseHandle(child.hProcess);
    return {static_cast<int>(status), readWholeFile(output.file("out")),
            readWholeFile(output.file("err"))};
}

// Wine now and then fails to start a program: CreateProcessW fails, or the
// program ends at once with status 1 and no output at all. kavelo-config
// names each failure of its own on standard error, and where status 1 and
// silence are its answer (cameras with none), running it again gives the
// same. Such a start is tried twice more, and said.
bool wineDidNotRun(const RunResult& run) {
    return (run.status == -1 && run.err.rfind("cannot start the program", 0) == 0) ||
           (run.status == 1 && run.out.empty() && run.err.empty());
}

} // namespace

RunResult runProgram(const std::vector<std::string>& arguments, long fileSizeLimit) {
    if (fileSizeLimit > 0) {
        ADD_FAILURE() << "Windows has no file-size limit for a process";
        return {-1, "", ""};
    }
    const std::wstring program = programPath();
    std::wstring commandLine = quoted(program);
    for (const std::string& argument : arguments)
        commandLine += L" " + quoted(wide(argument));
    RunResult run = runOnce(program, commandLine);
    for (int again = 0; again < 2 && wineDidNotRun(run); ++again) {
        std::fprintf(stderr, "Wine did not run kavelo-config (status %d, %s): running it again\n",
                     run.status, run.err.c_str());
        run = runOnce(program, commandLine);
    }
    return run;
}
