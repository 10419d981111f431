#pragma once
#include <windows.h>

#include <string>
#include <vector>

// Runs a copy of velmira.exe in a folder of the test's choosing, answers every message box it shows with
// OK, and keeps their texts.
struct ProgramRun {
    std::vector<std::wstring> messages;
    DWORD exitCode = STILL_ACTIVE;
    bool finished = false;
};
ProgramRun runProgram(const std::wstring& program, const std::wstring& workingFolder,
                      DWORD timeoutMs = 20000);

// The folder of the test program, where the build puts velmira.exe and the skin files.
std::wstring buildFolder();
