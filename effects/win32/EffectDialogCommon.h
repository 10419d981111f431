#pragma once
#include <windows.h>

#include "effects/ScrollCode.h"

// What the two modeless effect dialogs send their parent, synchronously and with both parameters 0. The
// parent reads the dialog's choice from the dialog object while it handles a try.
constexpr UINT keySignatureTryMessage = WM_USER + 100;      // "試行" of the key-signature dialog
constexpr UINT pitchMapTryMessage = WM_USER + 101;          // "試行" of the pitch dialog
constexpr UINT effectDialogClosingMessage = WM_USER + 105;  // "終了" of either, before its window goes

// "終了" (and Esc) of either: the parent hears of it, then the window goes.
inline void closeEffectDialog(HWND dialog, HWND parent) {
    SendMessageW(parent, effectDialogClosingMessage, 0, 0);
    DestroyWindow(dialog);
}

// Turns the scroll-bar code of a WM_HSCROLL into the dialogs' own.
inline ScrollCode scrollCodeOf(WPARAM wParam) {
    switch (LOWORD(wParam)) {
        case SB_LINELEFT:
            return ScrollCode::lineLeft;
        case SB_LINERIGHT:
            return ScrollCode::lineRight;
        case SB_THUMBTRACK:
            return ScrollCode::thumbTrack;
        default:
            return ScrollCode::other;
    }
}

// The position of a WM_HSCROLL's thumb, negative ones included.
inline int draggedPositionOf(WPARAM wParam) {
    return draggedPosition(HIWORD(wParam));
}
