#include "app/win32/CSongListDlg.h"

#include <algorithm>

#include "platform/win32/DialogPlumbing.h"
#include "platform/win32/WideText.h"

using Action = SongListWindow::Action;

CSongListDlg::~CSongListDlg() {
    if (dialog_) DestroyWindow(dialog_);
}

void CSongListDlg::openSongListWindow(const SongListView& view) {
    if (!dialog_) {
        if (!CreateDialogParamW(instance_, MAKEINTRESOURCEW(IDD_SONG_LIST), owner_,
                                &DialogPlumbing::dialogProc<CSongListDlg>, LPARAM(this)))
            return;
        placeBesideOwner();
    }
    fill(view);
    if (SendMessageW(list(), LB_GETCURSEL, 0, 0) == LB_ERR)
        SendMessageW(list(), LB_SETCURSEL, WPARAM(std::max(view.marked, 0)), 0);
    ShowWindow(dialog_, SW_SHOW);
    SetActiveWindow(dialog_);
    SendMessageW(dialog_, WM_NEXTDLGCTL, WPARAM(list()), TRUE);
}

void CSongListDlg::showSongList(const SongListView& view) {
    if (dialog_) fill(view);
}

bool CSongListDlg::takeMessage(MSG& message) {
    return dialog_ && IsDialogMessageW(dialog_, &message);
}

INT_PTR CSongListDlg::handleMessage(UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG: {
            listDefault_ =
                WNDPROC(SetWindowLongPtrW(list(), GWLP_WNDPROC, LONG_PTR(&CSongListDlg::listProc)));
            RECT keys;
            GetWindowRect(GetDlgItem(dialog_, IDC_SONG_LIST_KEYS), &keys);
            keysHeight_ = keys.bottom - keys.top;
            layOut();
            return FALSE;  // the focus is set as the window is shown
        }
        case WM_SIZE:
            return layOut(), TRUE;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDCANCEL) ShowWindow(dialog_, SW_HIDE);
            if (LOWORD(wParam) == IDOK || (LOWORD(wParam) == IDC_SONG_LIST && HIWORD(wParam) == LBN_DBLCLK))
                act(Action::play);
            return TRUE;
        case WM_NCDESTROY:
            dialog_ = nullptr;
            shown_ = {};
            return FALSE;
        default:
            return FALSE;
    }
}

LRESULT CALLBACK CSongListDlg::listProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<CSongListDlg*>(GetWindowLongPtrW(GetParent(list), DWLP_USER));
    if (message == WM_KEYDOWN || message == WM_SYSKEYDOWN) {
        const bool alt = message == WM_SYSKEYDOWN && (lParam & (1 << 29));
        const Action action = songListActionForKey(int(wParam), alt);
        if (action != Action::none) self->act(action);
        // Alt's own handling must see the key too, or letting Alt go would then open the system menu.
        if (action != Action::none && message == WM_KEYDOWN) return 0;
    }
    return CallWindowProcW(self->listDefault_, list, message, wParam, lParam);
}

void CSongListDlg::act(Action action) {
    // A modal dialog of the main window (a message, the open dialog) holds back the list's actions too.
    if (!owner_ || !IsWindowEnabled(owner_)) return;
    const int row = int(SendMessageW(list(), LB_GETCURSEL, 0, 0));
    if (row < 0) return;
    const int selected = act_(action, row);
    if (dialog_) SendMessageW(list(), LB_SETCURSEL, WPARAM(selected), 0);
}

void CSongListDlg::fill(const SongListView& view) {
    if (view == shown_) return;
    HWND rows = list();
    const LRESULT selected = SendMessageW(rows, LB_GETCURSEL, 0, 0);
    const LRESULT top = SendMessageW(rows, LB_GETTOPINDEX, 0, 0);
    SendMessageW(rows, WM_SETREDRAW, FALSE, 0);
    SendMessageW(rows, LB_RESETCONTENT, 0, 0);
    for (const std::string& row : view.rows) SendMessageW(rows, LB_ADDSTRING, 0, LPARAM(widen(row).c_str()));
    const int last = int(view.rows.size()) - 1;
    if (selected != LB_ERR && last >= 0)
        SendMessageW(rows, LB_SETCURSEL, WPARAM(std::min(int(selected), last)), 0);
    SendMessageW(rows, LB_SETTOPINDEX, WPARAM(std::max(0, std::min(int(top), last))), 0);
    SendMessageW(rows, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(rows, nullptr, TRUE);
    shown_ = view;
    fitTextWidth();
}

// A long path scrolls sideways instead of being cut off.
void CSongListDlg::fitTextWidth() {
    HWND rows = list();
    HDC dc = GetDC(rows);
    HGDIOBJ previous = SelectObject(dc, HGDIOBJ(SendMessageW(rows, WM_GETFONT, 0, 0)));
    LONG widest = 0;
    for (const std::string& row : shown_.rows) {
        const std::wstring text = widen(row);
        SIZE size = {};
        GetTextExtentPoint32W(dc, text.c_str(), int(text.size()), &size);
        widest = std::max(widest, size.cx);
    }
    SelectObject(dc, previous);
    ReleaseDC(rows, dc);
    SendMessageW(rows, LB_SETHORIZONTALEXTENT, WPARAM(widest + GetSystemMetrics(SM_CXVSCROLL)), 0);
}

// The list fills the window above the line of keys.
void CSongListDlg::layOut() {
    RECT client;
    GetClientRect(dialog_, &client);
    const int listHeight = std::max(0, int(client.bottom) - keysHeight_ - 4);
    MoveWindow(list(), 0, 0, client.right, listHeight, TRUE);
    MoveWindow(GetDlgItem(dialog_, IDC_SONG_LIST_KEYS), 4, listHeight + 2, std::max(0, int(client.right) - 8),
               keysHeight_, TRUE);
}

// Right of the main window where the screen has room, else against the screen's right edge.
void CSongListDlg::placeBesideOwner() {
    RECT owner;
    GetWindowRect(owner_, &owner);
    placeOnScreen(dialog_, owner.right, owner.top, owner);
}
