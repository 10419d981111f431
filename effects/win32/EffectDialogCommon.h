#pragma once
#include <windows.h>

#include <string>

#include "effects/ScrollCode.h"
#include "platform/win32/DialogLayout.h"

// What the two modeless effect dialogs send their parent, synchronously and with both parameters 0. The
// parent reads the dialog's choice from the dialog object while it handles a try.
constexpr UINT keySignatureTryMessage = WM_USER + 100;      // "試行" of the key-signature dialog
constexpr UINT pitchMapTryMessage = WM_USER + 101;          // "試行" of the pitch dialog
constexpr UINT effectDialogClosingMessage = WM_USER + 105;  // "終了" of either, before its window goes

// Turns the scroll-bar code of a WM_HSCROLL into the dialogs' own.
ScrollCode scrollCodeOf(WPARAM wParam);
// The position of a WM_HSCROLL's thumb, negative ones included.
int draggedPositionOf(WPARAM wParam);
void setItemText(HWND dialog, int id, const std::string& utf8);

// The window procedure side of a dialog class, which befriends this. WM_INITDIALOG brings the object in its
// lParam; it is kept with the window from then on, learns its window in `dialog_` and handles every
// message in `handleMessage`. A modeless dialog's object belongs to its window and is deleted with it.
struct DialogPlumbing {
    template <class Dialog, bool ownedByWindow>
    static INT_PTR CALLBACK dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_INITDIALOG) {
            SetWindowLongPtrW(dialog, DWLP_USER, lParam);
            reinterpret_cast<Dialog*>(lParam)->dialog_ = dialog;
        }
        auto* self = reinterpret_cast<Dialog*>(GetWindowLongPtrW(dialog, DWLP_USER));
        if (!self) return FALSE;
        if (ownedByWindow && message == WM_NCDESTROY) {
            SetWindowLongPtrW(dialog, DWLP_USER, 0);
            delete self;
            return FALSE;
        }
        return self->handleMessage(message, wParam, lParam);
    }

    // Creates the modeless dialog |resource| over |parent| for |self|, which its window owns from then on;
    // nullptr, and |self| deleted, when the window could not be created.
    template <class Dialog>
    static Dialog* openModeless(HINSTANCE instance, int resource, HWND parent, Dialog* self) {
        if (CreateDialogParamW(instance, MAKEINTRESOURCEW(resource), parent, &dialogProc<Dialog, true>,
                               LPARAM(self)))
            return self;
        delete self;
        return nullptr;
    }
};
