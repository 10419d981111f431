#pragma once
// A plain window to be the effect dialogs' parent in the tests: it records the dialog messages it is sent
// and lets the test read the dialog while a try is being handled, as the main window does.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/win32/WideText.h"

class EffectDialogParent {
  public:
    EffectDialogParent() {
        WNDCLASSW windowClass = {};
        windowClass.lpfnWndProc = &EffectDialogParent::windowProc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"EffectDialogParent";
        RegisterClassW(&windowClass);
        window_ = CreateWindowExW(0, L"EffectDialogParent", L"parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40,
                                  30, 700, 500, nullptr, nullptr, GetModuleHandleW(nullptr), this);
    }
    ~EffectDialogParent() { DestroyWindow(window_); }

    HWND handle() const { return window_; }

    std::vector<UINT> received;                // messages of the effect dialogs, WM_USER + 100 and on
    std::function<void(UINT)> whileReceiving;  // runs inside each of them

  private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE)
            SetWindowLongPtrW(window, GWLP_USERDATA,
                              LONG_PTR(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
        auto* self = reinterpret_cast<EffectDialogParent*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (self && message >= WM_USER + 100 && message <= WM_USER + 105) {
            self->received.push_back(message);
            if (self->whileReceiving) self->whileReceiving(message);
            return 0;
        }
        return DefWindowProcW(window, message, wParam, lParam);
    }

    HWND window_ = nullptr;
};

inline std::string itemText(HWND dialog, int id) {
    wchar_t text[256] = {};
    GetDlgItemTextW(dialog, id, text, 256);
    return narrow(text);
}

inline bool centredOver(HWND dialog, HWND parent) {
    RECT outer, inner;
    GetWindowRect(parent, &outer);
    GetWindowRect(dialog, &inner);
    return std::abs((outer.left + outer.right) - (inner.left + inner.right)) <= 2 &&
           std::abs((outer.top + outer.bottom) - (inner.top + inner.bottom)) <= 2;
}

inline void pumpMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
}
