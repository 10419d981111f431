#include "effects/win32/EffectDialogCommon.h"

#include "platform/win32/WideText.h"

void centreOver(HWND dialog, HWND parent) {
    RECT outer = {};
    RECT own = {};
    GetWindowRect(parent, &outer);
    GetWindowRect(dialog, &own);
    const int width = own.right - own.left;
    const int height = own.bottom - own.top;
    SetWindowPos(dialog, nullptr, outer.left + (outer.right - outer.left - width) / 2,
                 outer.top + (outer.bottom - outer.top - height) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

ScrollCode scrollCodeOf(WPARAM wParam) {
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

int draggedPositionOf(WPARAM wParam) {
    return draggedPosition(HIWORD(wParam));
}

void setItemText(HWND dialog, int id, const std::string& utf8) {
    SetDlgItemTextW(dialog, id, widen(utf8).c_str());
}
