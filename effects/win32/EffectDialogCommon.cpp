#include "effects/win32/EffectDialogCommon.h"

#include "platform/win32/WideText.h"

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
