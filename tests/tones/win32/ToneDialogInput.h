#pragma once
#include <windows.h>

#include "tones/win32/ToneDialogIds.h"

// The user's hand on an open tone dialog.
inline HWND toneList(HWND dialog) {
    return GetDlgItem(dialog, IDC_TONE_LIST);
}

// A click on a list row as the user makes it: the list box selects the row and notifies the dialog.
inline void clickToneRow(HWND dialog, int index) {
    HWND list = toneList(dialog);
    SendMessageW(list, LB_SETTOPINDEX, WPARAM(index), 0);
    RECT item{};
    SendMessageW(list, LB_GETITEMRECT, WPARAM(index), reinterpret_cast<LPARAM>(&item));
    const LPARAM point = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageW(list, WM_LBUTTONUP, 0, point);
}

inline void pressButton(HWND dialog, int button) {
    SendMessageW(GetDlgItem(dialog, button), BM_CLICK, 0, 0);
}
