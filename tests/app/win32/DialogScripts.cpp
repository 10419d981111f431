#include "tests/app/win32/DialogScripts.h"

#include <cstdlib>
#include <fstream>
#include <utility>

#include "images/DibImage.h"
#include "platform/win32/WideText.h"

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

std::string windowText(HWND window) {
    wchar_t text[1024] = {};
    GetWindowTextW(window, text, 1024);
    return narrow(text);
}

void saveScreenshot(const std::string& name) {
    const char* folder = std::getenv("VELMIRA_SHOT_DIR");
    if (!folder) return;
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    DibImage shot = DibImage::create24(width, height);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    GetDIBits(memory, bitmap, 0, UINT(height), shot.pixels(),
              reinterpret_cast<BITMAPINFO*>(const_cast<uint8_t*>(shot.block().data())), DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    const std::vector<uint8_t> file = encodeBmpFile(shot);
    std::ofstream(widen(std::string(folder) + "\\" + name + ".bmp").c_str(), std::ios::binary)
        .write(reinterpret_cast<const char*>(file.data()), std::streamsize(file.size()));
}

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
