#include "effects/win32/CKeySigDlg.h"

#include "effects/win32/EffectDialogCommon.h"
#include "platform/win32/DialogPlumbing.h"
#include "resources/DialogIds.h"

CKeySigDlg* CKeySigDlg::open(HINSTANCE instance, HWND parent, const KeySignature& initial) {
    return DialogPlumbing::openModeless(instance, IDD_KEY_SIGNATURE, parent, new CKeySigDlg(parent, initial));
}

INT_PTR CKeySigDlg::handleMessage(UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            show();
            return TRUE;
        case WM_COMMAND:
            if (HIWORD(wParam) == BN_CLICKED) command(LOWORD(wParam));
            return TRUE;
        default:
            return FALSE;
    }
}

void CKeySigDlg::show() {
    const KeySignature& signature = choice_.signature();
    const int signButton = signature.sign > 0   ? IDC_KEY_SHARPS
                           : signature.sign < 0 ? IDC_KEY_FLATS
                                                : IDC_KEY_NONE;
    CheckDlgButton(dialog_, signButton, BST_CHECKED);
    if (signature.count > 0 && signature.count <= KeySignature::maxCount)
        CheckDlgButton(dialog_, IDC_KEY_COUNT_FIRST + signature.count - 1, BST_CHECKED);
    writeLabel();
    LaterTexts labels;
    for (const std::string& label : KeySignatureChoice::allLabels()) labels.push_back({IDC_KEY_LABEL, label});
    fitAndCentreDialog(dialog_, parent_, labels);
}

void CKeySigDlg::command(int id) {
    if (id >= IDC_KEY_COUNT_FIRST && id <= IDC_KEY_COUNT_LAST) {
        // Without a sign no count may stay chosen, so the button just checked is unchecked again.
        if (!choice_.chooseCount(id - IDC_KEY_COUNT_FIRST + 1)) CheckDlgButton(dialog_, id, BST_UNCHECKED);
    } else if (id == IDC_KEY_SHARPS) {
        choice_.chooseSharps();
    } else if (id == IDC_KEY_FLATS) {
        choice_.chooseFlats();
    } else if (id == IDC_KEY_NONE) {
        choice_.chooseNone();
        uncheckCounts();
    } else if (id == IDC_KEY_TRY) {
        SendMessageW(parent_, keySignatureTryMessage, 0, 0);
    } else if (id == IDOK || id == IDCANCEL) {
        return closeEffectDialog(dialog_, parent_);
    }
    writeLabel();
}

void CKeySigDlg::uncheckCounts() {
    for (int id = IDC_KEY_COUNT_FIRST; id <= IDC_KEY_COUNT_LAST; ++id)
        CheckDlgButton(dialog_, id, BST_UNCHECKED);
}

void CKeySigDlg::writeLabel() {
    setItemText(dialog_, IDC_KEY_LABEL, choice_.label());
}
