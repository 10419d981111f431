#include "tests/app/win32/ProgramRun.h"

namespace {
struct BoxSearch {
    DWORD processId;
    HWND box;
};

BOOL CALLBACK findBox(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<BoxSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t className[32] = {};
    GetClassNameW(window, className, 32);
    if (owner == search->processId && std::wstring(className) == L"#32770" && IsWindowVisible(window)) {
        search->box = window;
        return FALSE;
    }
    return TRUE;
}

std::wstring boxText(HWND box) {
    wchar_t text[1024] = {};
    GetDlgItemTextW(box, 0xFFFF, text, 1024);  // the static text of a message box
    return text;
}
}  // namespace

std::wstring buildFolder() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder = path;
    return folder.substr(0, folder.find_last_of(L"\\/"));
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
    while (GetTickCount() - started < timeoutMs) {
        if (WaitForSingleObject(process.hProcess, 100) == WAIT_OBJECT_0) break;
        BoxSearch search = {process.dwProcessId, nullptr};
        EnumWindows(findBox, LPARAM(&search));
        if (search.box) {
            run.messages.push_back(boxText(search.box));
            PostMessageW(search.box, WM_COMMAND, IDOK, 0);
            Sleep(200);
        }
    }
    if (WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0) {
        run.finished = true;
        GetExitCodeProcess(process.hProcess, &run.exitCode);
    } else {
        TerminateProcess(process.hProcess, 99);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return run;
}
