#include "tests/app/win32/ProgramRun.h"

#include "app/win32/CMainWnd.h"
#include "tests/app/win32/DialogScripts.h"

constexpr DWORD longestRunMs = 20000;

bool startProgram(const std::wstring& program, const std::wstring& workingFolder,
                  const std::vector<std::wstring>& arguments, PROCESS_INFORMATION& process) {
    std::wstring commandLine = L"\"" + program + L"\"";
    for (const std::wstring& argument : arguments) commandLine += L" \"" + argument + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    return CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          workingFolder.c_str(), &startup, &process);
}

ProgramRun runProgram(const std::wstring& program, const std::wstring& workingFolder,
                      const std::vector<std::wstring>& arguments, DWORD closeAfterMs) {
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

std::string joined(const std::vector<std::string>& messages) {
    std::string text;
    for (const std::string& message : messages) text += message + "\n";
    return text;
}
