#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "app/win32/CMainWnd.h"
#include "tests/app/win32/DialogScripts.h"
#include "tests/app/win32/TestFolders.h"

// A run of the real velmira.exe, started as a user would start it: the texts (UTF-8) of the message boxes it
// showed (each answered with OK), and its exit code (STILL_ACTIVE when it had to be ended).
struct ProgramRun {
    std::vector<std::string> messages;
    DWORD exitCode = STILL_ACTIVE;
};

// Starts program with the given command-line arguments (quoted here) in workingFolder, without waiting.
inline bool startProgram(const std::wstring& program, const std::wstring& workingFolder,
                         const std::vector<std::wstring>& arguments, PROCESS_INFORMATION& process) {
    std::wstring commandLine = L"\"" + program + L"\"";
    for (const std::wstring& argument : arguments) commandLine += L" \"" + argument + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    return CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          workingFolder.c_str(), &startup, &process);
}

// Runs program with the given command-line arguments (quoted here) in workingFolder. With closeAfterMs, the
// main window is sent WM_CLOSE that long after it appeared; the run is ended after 20 s either way.
inline ProgramRun runProgram(const std::wstring& program, const std::wstring& workingFolder,
                             const std::vector<std::wstring>& arguments = {}, DWORD closeAfterMs = 0) {
    constexpr DWORD longestRunMs = 20000;
    ProgramRun run;
    PROCESS_INFORMATION process = {};
    if (!startProgram(program, workingFolder, arguments, process)) return run;
    const DWORD started = GetTickCount();
    DWORD windowSeenAt = 0;
    bool closeSent = false;
    while (GetTickCount() - started < longestRunMs &&
           WaitForSingleObject(process.hProcess, 100) != WAIT_OBJECT_0) {
        // The program shows its start-up messages from its main thread.
        if (HWND box = findWindow(process.dwThreadId)) {
            run.messages.push_back(itemText(box, 0xFFFF));  // the static text of a message box
            PostMessageW(box, WM_COMMAND, IDOK, 0);
            Sleep(200);
            continue;
        }
        if (!closeAfterMs || closeSent) continue;
        const HWND window = findWindow(process.dwThreadId, nullptr, CMainWnd::className);
        if (window && !windowSeenAt) windowSeenAt = GetTickCount();
        if (window && GetTickCount() - windowSeenAt >= closeAfterMs) {
            PostMessageW(window, WM_CLOSE, 0, 0);
            closeSent = true;
        }
    }
    if (WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0)
        GetExitCodeProcess(process.hProcess, &run.exitCode);
    else
        TerminateProcess(process.hProcess, 99);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return run;
}

// The messages one a line, for a failure's report.
inline std::string joined(const std::vector<std::string>& messages) {
    std::string text;
    for (const std::string& message : messages) text += message + "\n";
    return text;
}
