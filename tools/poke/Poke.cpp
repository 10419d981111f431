// velmira-poke: reaches the running velmira.exe from outside, for the timing report and the monkey run.
//   velmira-poke ping MS         exit 0 when the main window answers a message within MS ms, 2 when it does
//                                not, 1 when there is no window
//   velmira-poke close           posts WM_CLOSE to the main window
//   velmira-poke command ID      posts the menu command ID to the main window, as its menu would send it:
//                                exit 4 while a modal dialog has disabled the window (no menu can be used)
//   velmira-poke answer N [TEXT] in the program's open dialog or message box (the last one opened), puts
//                                TEXT in its first edit field and presses its N-th push button (modulo their
//                                count); prints what it did; exit 3 when no dialog is open
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/win32/WideText.h"

namespace {
HWND mainWindow() {
    return FindWindowW(L"VelmiraMainWindow", nullptr);
}

struct DialogSearch {
    DWORD process = 0;
    HWND found = nullptr;
};

// Dialogs and message boxes share the class "#32770". EnumWindows goes from the top of the Z order, so the
// first one found is the one the user would face.
BOOL CALLBACK findDialog(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<DialogSearch*>(context);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    wchar_t className[32] = {};
    GetClassNameW(window, className, 32);
    if (process != search->process || !IsWindowVisible(window) || !IsWindowEnabled(window) ||
        std::wstring(className) != L"#32770")
        return TRUE;
    search->found = window;
    return FALSE;
}

struct Controls {
    std::vector<HWND> buttons;
    HWND edit = nullptr;
};

BOOL CALLBACK collectControls(HWND child, LPARAM context) {
    auto* controls = reinterpret_cast<Controls*>(context);
    if (!IsWindowVisible(child) || !IsWindowEnabled(child)) return TRUE;
    wchar_t className[32] = {};
    GetClassNameW(child, className, 32);
    const std::wstring kind(className);
    const LONG style = GetWindowLongW(child, GWL_STYLE) & BS_TYPEMASK;
    if (kind == L"Button" && (style == BS_PUSHBUTTON || style == BS_DEFPUSHBUTTON))
        controls->buttons.push_back(child);
    else if (kind == L"Edit" && !controls->edit)
        controls->edit = child;
    return TRUE;
}

std::string windowText(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return narrow(text);
}

int answer(int choice, const char* text) {
    HWND main = mainWindow();
    if (!main) return 1;
    DialogSearch search;
    GetWindowThreadProcessId(main, &search.process);
    EnumWindows(findDialog, LPARAM(&search));
    if (!search.found) return 3;
    Controls controls;
    EnumChildWindows(search.found, collectControls, LPARAM(&controls));
    if (text && controls.edit)
        SendMessageTimeoutW(controls.edit, WM_SETTEXT, 0, LPARAM(widen(text).c_str()), SMTO_ABORTIFHUNG, 2000,
                            nullptr);
    if (controls.buttons.empty()) {
        PostMessageW(search.found, WM_COMMAND, IDCANCEL, 0);
        std::printf("answered \"%s\": cancel\n", windowText(search.found).c_str());
        return 0;
    }
    HWND button = controls.buttons[size_t(choice) % controls.buttons.size()];
    PostMessageW(search.found, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED), LPARAM(button));
    std::printf("answered \"%s\": \"%s\"%s\n", windowText(search.found).c_str(), windowText(button).c_str(),
                text && controls.edit ? " after typing" : "");
    return 0;
}
}  // namespace

int main(int argc, char** argv) {
    const std::string verb = argc > 1 ? argv[1] : "";
    if (verb == "ping" && argc == 3) {
        HWND main = mainWindow();
        if (!main) return 1;
        DWORD_PTR result = 0;
        const UINT timeout = UINT(std::strtoul(argv[2], nullptr, 10));
        return SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, timeout, &result) ? 0 : 2;
    }
    if (verb == "close" && argc == 2)
        return mainWindow() && PostMessageW(mainWindow(), WM_CLOSE, 0, 0) ? 0 : 1;
    if (verb == "command" && argc == 3)
        return mainWindow() &&
                       PostMessageW(mainWindow(), WM_COMMAND, WPARAM(std::strtoul(argv[2], nullptr, 10)), 0)
                   ? 0
                   : 1;
    if (verb == "answer" && (argc == 3 || argc == 4))
        return answer(std::atoi(argv[2]), argc == 4 ? argv[3] : nullptr);
    std::fprintf(stderr, "usage: velmira-poke ping MS | close | command ID | answer N [TEXT]\n");
    return 64;
}
