#include "tests/app/win32/DialogScripts.h"

#include <utility>

#include "platform/win32/WideText.h"

namespace {
struct Search {
    const std::function<bool(HWND)>& accepts;
    const std::wstring& className;
    HWND found;
};

BOOL CALLBACK matchWindow(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<Search*>(data);
    wchar_t className[64] = {};
    GetClassNameW(window, className, 64);
    if (className != search->className || !IsWindowVisible(window)) return TRUE;
    if (search->accepts && !search->accepts(window)) return TRUE;
    search->found = window;
    return FALSE;
}

// A timer procedure has no room for its scripts, and only one modal loop runs at a time.
std::deque<DialogScript> pendingScripts;
HWND lastScripted = nullptr;  // still shown for a moment after its script closed it

void CALLBACK runNextScript(HWND, UINT, UINT_PTR, DWORD) {
    if (pendingScripts.empty()) return;
    HWND dialog = findWindow(GetCurrentThreadId(), [](HWND found) { return found != lastScripted; });
    if (!dialog) return;
    lastScripted = dialog;
    DialogScript script = std::move(pendingScripts.front());
    pendingScripts.pop_front();
    script(dialog);
    if (IsWindow(dialog)) PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
}
}  // namespace

std::string windowText(HWND window) {
    wchar_t text[1024] = {};
    GetWindowTextW(window, text, 1024);
    return narrow(text);
}

HWND findWindow(DWORD thread, const std::function<bool(HWND)>& accepts, const std::wstring& className) {
    Search search{accepts, className, nullptr};
    EnumThreadWindows(thread, matchWindow, LPARAM(&search));
    return search.found;
}

void runWithDialogScripts(std::deque<DialogScript> scripts, const std::function<void()>& modal) {
    pendingScripts = std::move(scripts);
    lastScripted = nullptr;
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, runNextScript);
    modal();
    KillTimer(nullptr, timer);
    pendingScripts.clear();
}
