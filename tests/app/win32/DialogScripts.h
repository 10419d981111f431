#pragma once
#include <windows.h>

#include <deque>
#include <functional>
#include <string>

// Finding the dialogs and message boxes a test opens, and working a modal one from inside its own message
// loop, where only a thread timer gets in.

// The text of a window or of a dialog's control, in UTF-8.
std::string windowText(HWND window);
inline std::string itemText(HWND dialog, int id) {
    return windowText(GetDlgItem(dialog, id));
}
// A pixel of a window's client area as the screen shows it.
inline COLORREF windowPixel(HWND window, int x, int y) {
    HDC dc = GetDC(window);
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return colour;
}

// The first visible top-level window of |thread| of the class |className| that |accepts| takes (any,
// without it); by default a dialog or message box.
HWND findWindow(DWORD thread = GetCurrentThreadId(), const std::function<bool(HWND)>& accepts = nullptr,
                const std::wstring& className = L"#32770");

using DialogScript = std::function<void(HWND)>;

// Runs |modal| with each of |scripts| run once, in turn, on the next new dialog of this thread to show
// meanwhile. A dialog a script leaves open is cancelled, so that a failed script cannot leave the test in
// its modal loop.
void runWithDialogScripts(std::deque<DialogScript> scripts, const std::function<void()>& modal);
inline void runWithDialogScript(DialogScript script, const std::function<void()>& modal) {
    runWithDialogScripts({std::move(script)}, modal);
}
