#include "tones/win32/CToneDlg.h"

#include <string>

#include "platform/win32/DialogLayout.h"
#include "platform/win32/WideText.h"
#include "tones/win32/ToneDialogIds.h"

CToneDlg::CToneDlg(ToneDialogModel& model, HWND parent) : model_(model), parent_(parent) {}

INT_PTR CToneDlg::doModal() {
    return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_TONE_DIALOG), parent_, dialogProc,
                           reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK CToneDlg::dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        reinterpret_cast<CToneDlg*>(lParam)->dialog_ = dialog;
    }
    auto* self = reinterpret_cast<CToneDlg*>(GetWindowLongPtrW(dialog, DWLP_USER));
    return self ? self->handleMessage(message, wParam, lParam) : FALSE;
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
    SetDlgItemTextW(dialog_, IDC_TONE_LABEL, widen(model_.label()).c_str());
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
