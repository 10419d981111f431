#include "tests/app/win32/ProgramRun.h"

#include "app/win32/CMainWnd.h"
#include "platform/win32/WideText.h"
#include "tests/app/win32/DialogScripts.h"

namespace {
constexpr DWORD longestRunMs = 20000;

BOOL CALLBACK findMainWindow(HWND window, LPARAM found) {
    wchar_t className[64] = {};
    GetClassNameW(window, className, 64);
    if (std::wstring(className) != CMainWnd::className || !IsWindowVisible(window)) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}
}  // namespace

ProgramRun runProgram(const std::wstring& program, const std::wstring& workingFolder,
                      const std::vector<std::wstring>& arguments, DWORD closeAfterMs) {
    ProgramRun run;
    std::wstring commandLine = L"\"" + program + L"\"";
    for (const std::wstring& argument : arguments) commandLine += L" \"" + argument + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        workingFolder.c_str(), &startup, &process))
        return run;
    const DWORD started = GetTickCount();
    DWORD windowSeenAt = 0;
    bool closeSent = false;
    while (GetTickCount() - started < longestRunMs &&
           WaitForSingleObject(process.hProcess, 100) != WAIT_OBJECT_0) {
        // The program shows its start-up messages from its main thread.
        if (HWND box = findDialog(process.dwThreadId)) {
            wchar_t text[1024] = {};
            GetDlgItemTextW(box, 0xFFFF, text, 1024);  // the static text of a message box
            run.messages.push_back(text);
            PostMessageW(box, WM_COMMAND, IDOK, 0);
            Sleep(200);
            continue;
        }
        if (!closeAfterMs || closeSent) continue;
        HWND window = nullptr;
        EnumThreadWindows(process.dwThreadId, findMainWindow, LPARAM(&window));
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

std::string joined(const std::vector<std::wstring>& messages) {
    std::string text;
    for (const std::wstring& message : messages) text += narrow(message) + "\n";
    return text;
}
