#include "effects/win32/CEffectTimeDlg.h"

#include "effects/win32/EffectDialogCommon.h"
#include "platform/win32/DialogPlumbing.h"
#include "resources/DialogIds.h"

std::optional<int32_t> CEffectTimeDlg::ask(HWND parent, const EffectTimeQuestion& question) {
    question_ = question;
    parent_ = parent;
    const INT_PTR result = DialogPlumbing::runModal(instance_, IDD_EFFECT_TIME, parent, *this);
    dialog_ = nullptr;
    if (result != IDOK) return std::nullopt;
    return question_->value();
}

INT_PTR CEffectTimeDlg::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            show();
            return TRUE;
        case WM_HSCROLL:
            scroll(wParam, HWND(lParam));
            return FALSE;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK) answer();
            if (LOWORD(wParam) == IDCANCEL) EndDialog(dialog_, IDCANCEL);
            return TRUE;
        default:
            return FALSE;
    }
}

void CEffectTimeDlg::show() {
    setItemText(dialog_, IDC_TIME_PROMPT, question_->prompt());
    HWND bar = GetDlgItem(dialog_, IDC_TIME_BAR);
    SetScrollRange(bar, SB_CTL, EffectTimeQuestion::minimum, EffectTimeQuestion::maximum, TRUE);
    SetScrollPos(bar, SB_CTL, question_->value(), TRUE);
    setItemText(dialog_, IDC_TIME_READOUT, question_->readOut());
    fitAndCentreDialog(dialog_, parent_);
}

void CEffectTimeDlg::scroll(WPARAM wParam, HWND bar) {
    const std::optional<int32_t> position =
        question_->scroll(scrollCodeOf(wParam), GetScrollPos(bar, SB_CTL), draggedPositionOf(wParam));
    if (!position) return;
    SetScrollPos(bar, SB_CTL, *position, TRUE);
    setItemText(dialog_, IDC_TIME_READOUT, question_->readOut());
}

void CEffectTimeDlg::answer() {
    if (!question_->acceptable()) return showMessage(dialog_, endNotAfterStartText_);
    EndDialog(dialog_, IDOK);
}
