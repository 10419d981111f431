#include "tests/app/win32/DialogScripts.h"

#include <string>
#include <utility>

namespace {
constexpr UINT tickMs = 20;

struct Search {
    const std::function<bool(HWND)>& accepts;
    HWND found;
};

BOOL CALLBACK matchDialog(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<Search*>(data);
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    if (std::wstring(className) != L"#32770" || !IsWindowVisible(window)) return TRUE;
    if (search->accepts && !search->accepts(window)) return TRUE;
    search->found = window;
    return FALSE;
}

// A timer procedure has no room for its script, and only one modal loop runs at a time.
std::function<void(HWND)> onceScript;

void CALLBACK runOnceScript(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND dialog = findDialog();
    if (!dialog) return;
    KillTimer(nullptr, timer);
    std::exchange(onceScript, nullptr)(dialog);
    if (IsWindow(dialog)) PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
}

struct StepScript {
    std::deque<DialogStep> steps;
    int ticksLeft = 0;
    std::function<HWND()> stuck;
};
StepScript stepScript;

void CALLBACK playStep(HWND, UINT, UINT_PTR, DWORD) {
    if (--stepScript.ticksLeft < 0 || stepScript.steps.empty()) {
        if (HWND dialog = stepScript.stuck()) PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        return;
    }
    if (stepScript.steps.front()()) stepScript.steps.pop_front();
}
}  // namespace

HWND findDialog(DWORD thread, const std::function<bool(HWND)>& accepts) {
    Search search{accepts, nullptr};
    EnumThreadWindows(thread, matchDialog, LPARAM(&search));
    return search.found;
}

void runWithDialogScript(std::function<void(HWND)> script, const std::function<void()>& modal) {
    onceScript = std::move(script);
    const UINT_PTR timer = SetTimer(nullptr, 0, tickMs, runOnceScript);
    modal();
    KillTimer(nullptr, timer);
    onceScript = nullptr;
}

size_t runWithDialogSteps(std::deque<DialogStep> steps, int ticks, std::function<HWND()> stuck,
                          const std::function<void()>& modal) {
    stepScript = {std::move(steps), ticks, std::move(stuck)};
    const UINT_PTR timer = SetTimer(nullptr, 0, tickMs, playStep);
    modal();
    KillTimer(nullptr, timer);
    return std::exchange(stepScript, {}).steps.size();
}
