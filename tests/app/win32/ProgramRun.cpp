#include "tests/app/win32/ProgramRun.h"

namespace {
// The program shows its start-up messages from its main thread.
BOOL CALLBACK findMessageBox(HWND window, LPARAM found) {
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    if (std::wstring(className) != L"#32770" || !IsWindowVisible(window)) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}
}  // namespace

std::wstring buildFolder() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    const std::wstring program = path;
    return program.substr(0, program.find_last_of(L"\\/"));
}

ProgramRun runProgram(const std::wstring& program, const std::wstring& workingFolder, DWORD timeoutMs) {
    ProgramRun run;
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        workingFolder.c_str(), &startup, &process))
        return run;
    const DWORD started = GetTickCount();
    while (GetTickCount() - started < timeoutMs &&
           WaitForSingleObject(process.hProcess, 100) != WAIT_OBJECT_0) {
        HWND box = nullptr;
        EnumThreadWindows(process.dwThreadId, findMessageBox, LPARAM(&box));
        if (!box) continue;
        wchar_t text[1024] = {};
        GetDlgItemTextW(box, 0xFFFF, text, 1024);  // the static text of a message box
        run.messages.push_back(text);
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        Sleep(200);
    }
    run.finished = WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0;
    if (run.finished)
        GetExitCodeProcess(process.hProcess, &run.exitCode);
    else
        TerminateProcess(process.hProcess, 99);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return run;
}
