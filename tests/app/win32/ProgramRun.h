#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "tests/app/win32/TestFolders.h"

// A run of the real velmira.exe, started as a user would start it: the texts (UTF-8) of the message boxes it
// showed (each answered with OK), and its exit code (STILL_ACTIVE when it had to be ended).
struct ProgramRun {
    std::vector<std::string> messages;
    DWORD exitCode = STILL_ACTIVE;
};

// Starts program with the given command-line arguments (quoted here) in workingFolder, without waiting.
bool startProgram(const std::wstring& program, const std::wstring& workingFolder,
                  const std::vector<std::wstring>& arguments, PROCESS_INFORMATION& process);

// Runs program with the given command-line arguments (quoted here) in workingFolder. With closeAfterMs, the
// main window is sent WM_CLOSE that long after it appeared; the run is ended after 20 s either way.
ProgramRun runProgram(const std::wstring& program, const std::wstring& workingFolder,
                      const std::vector<std::wstring>& arguments = {}, DWORD closeAfterMs = 0);

// The messages one a line, for a failure's report.
std::string joined(const std::vector<std::string>& messages);
