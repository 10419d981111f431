#include "tones/win32/CToneDlg.h"

#include "platform/win32/DialogPlumbing.h"
#include "platform/win32/WideText.h"
#include "resources/DialogIds.h"

CToneDlg::CToneDlg(ToneDialogModel& model, HWND parent) : model_(model), parent_(parent) {}

INT_PTR CToneDlg::doModal() {
    return DialogPlumbing::runModal(GetModuleHandleW(nullptr), IDD_TONE_DIALOG, parent_, *this);
}

INT_PTR CToneDlg::handleMessage(UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            fill();
            fitAndCentreDialog(dialog_, parent_);
            return TRUE;
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case IDC_TONE_LIST:
                    if (HIWORD(wParam) == LBN_SELCHANGE) selectionChanged();
                    return TRUE;
                case IDOK:
                    model_.ok();
                    close(IDOK);
                    return TRUE;
                case IDCANCEL:
                    model_.cancel();
                    close(IDCANCEL);
                    return TRUE;
            }
            return FALSE;
    }
    return FALSE;
}

void CToneDlg::fill() {
    setItemText(dialog_, IDC_TONE_LABEL, model_.label());
    for (int row = 0; row < model_.rowCount(); ++row)
        SendDlgItemMessageW(dialog_, IDC_TONE_LIST, LB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(widen(model_.rowName(row)).c_str()));
    SendDlgItemMessageW(dialog_, IDC_TONE_LIST, LB_SETCURSEL, WPARAM(model_.initialSelection()), 0);
}

void CToneDlg::selectionChanged() {
    const int row = int(SendDlgItemMessageW(dialog_, IDC_TONE_LIST, LB_GETCURSEL, 0, 0));
    if (model_.select(row) == ToneDialogModel::Selection::refused)
        SendDlgItemMessageW(dialog_, IDC_TONE_LIST, LB_SETCURSEL, WPARAM(-1), 0);
}

void CToneDlg::close(int result) {
    EndDialog(dialog_, result);
    dialog_ = nullptr;
}
