#pragma once
#include <windows.h>

#include <cstddef>
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

// With VELMIRA_SHOT_DIR set, the screen as |name|.bmp in that folder, for a look by eye.
void saveScreenshot(const std::string& name);

// The first visible dialog or message box ("#32770") of |thread| that |accepts| takes (any, without it).
HWND findDialog(DWORD thread = GetCurrentThreadId(), const std::function<bool(HWND)>& accepts = nullptr);

// Runs |modal| with |script| run once on the first dialog of this thread to show meanwhile. A dialog the
// script leaves open is cancelled, so that a failed script cannot leave the test in its modal loop.
void runWithDialogScript(std::function<void(HWND)> script, const std::function<void()>& modal);

// A step of a longer script: false while it finds nothing to act on yet, to be tried again on the next tick.
using DialogStep = std::function<bool()>;

// Runs |modal| with |steps| played one a tick inside it. Once the steps are done or |ticks| ticks have
// passed, the dialog |stuck| finds is cancelled. Returns how many steps were never played.
size_t runWithDialogSteps(std::deque<DialogStep> steps, int ticks, std::function<HWND()> stuck,
                          const std::function<void()>& modal);
