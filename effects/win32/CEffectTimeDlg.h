#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <utility>

#include "effects/EffectTimeQuestion.h"

// The small modal dialog of "効果時間": a prompt, a read-out and a scroll bar of seconds. One object asks
// both questions, one run each.
class CEffectTimeDlg {
  public:
    // endNotAfterStartText: the message shown when "はい" is given an end that is not after the start.
    CEffectTimeDlg(HINSTANCE instance, std::string endNotAfterStartText)
        : instance_(instance), endNotAfterStartText_(std::move(endNotAfterStartText)) {}

    // Runs the dialog over `parent` until "はい" with an acceptable answer or "いいえ": the seconds chosen,
    // or nothing when it was cancelled.
    std::optional<int32_t> ask(HWND parent, const EffectTimeQuestion& question);

  private:
    friend struct DialogPlumbing;  // platform/win32/DialogPlumbing.h
    INT_PTR handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void show();
    void scroll(WPARAM wParam, HWND bar);
    void answer();

    HINSTANCE instance_;
    std::string endNotAfterStartText_;
    HWND dialog_ = nullptr;
    HWND parent_ = nullptr;
    std::optional<EffectTimeQuestion> question_;
};
