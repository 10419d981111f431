#include "app/win32/CLyricsDlg.h"

#include <algorithm>

#include "platform/win32/DialogPlumbing.h"
#include "platform/win32/WideText.h"
#include "resources/DialogIds.h"

namespace {
// The sung words in the program's red, the rest in black, on white.
constexpr COLORREF sungColour = RGB(200, 0, 0);
constexpr COLORREF unsungColour = RGB(0, 0, 0);

HFONT fontOfHeight(int height, int weight) {
    return CreateFontW(-height, 0, 0, 0, weight, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"ＭＳ Ｐゴシック");
}

// Draws |text| at x, y in |colour|; returns where the next piece starts.
int drawPiece(HDC dc, int x, int y, const std::wstring& text, COLORREF colour) {
    SetTextColor(dc, colour);
    TextOutW(dc, x, y, text.c_str(), int(text.size()));
    SIZE size = {};
    GetTextExtentPoint32W(dc, text.c_str(), int(text.size()), &size);
    return x + size.cx;
}
}  // namespace

CLyricsDlg::~CLyricsDlg() {
    if (dialog_) DestroyWindow(dialog_);
}

void CLyricsDlg::showLyricsWindow(bool shown) {
    if (!shown) {
        if (dialog_) ShowWindow(dialog_, SW_HIDE);
        return;
    }
    if (!dialog_) {
        if (!CreateDialogParamW(instance_, MAKEINTRESOURCEW(IDD_LYRICS), owner_,
                                &DialogPlumbing::dialogProc<CLyricsDlg>, LPARAM(this)))
            return;
        // Below the main window, where the song list's window beside it leaves room.
        RECT owner;
        GetWindowRect(owner_, &owner);
        placeOnScreen(dialog_, owner.left, owner.bottom, owner);
    }
    ShowWindow(dialog_, SW_SHOWNOACTIVATE);
}

bool CLyricsDlg::lyricsWindowShown() const {
    return dialog_ && IsWindowVisible(dialog_);
}

void CLyricsDlg::showLyrics(const LyricMoment& moment) {
    moment_ = moment;
    if (dialog_) InvalidateRect(dialog_, nullptr, TRUE);
}

bool CLyricsDlg::takeMessage(MSG& message) {
    return dialog_ && IsDialogMessageW(dialog_, &message);
}

std::string CLyricsDlg::shownText() const {
    if (moment_.noWords) return moment_.title + "\n" + LyricsView::noWordsText;
    return moment_.title + "\n" + moment_.line + "\n" + moment_.next;
}

INT_PTR CLyricsDlg::handleMessage(UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            return FALSE;  // nothing to take the keyboard
        case WM_SIZE:
            return InvalidateRect(dialog_, nullptr, TRUE), TRUE;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDCANCEL) ShowWindow(dialog_, SW_HIDE);
            return TRUE;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(dialog_, &ps);
            paint(dc);
            EndPaint(dialog_, &ps);
            return TRUE;
        }
        case WM_NCDESTROY:
            dialog_ = nullptr;
            return FALSE;
        default:
            return FALSE;
    }
}

// The title takes a row of half height, the two lines a row each: the font grows with the window.
void CLyricsDlg::paint(HDC dc) {
    RECT client;
    GetClientRect(dialog_, &client);
    FillRect(dc, &client, HBRUSH(GetStockObject(WHITE_BRUSH)));
    const int row = std::max(8, int(client.bottom) * 2 / 5);
    const int margin = row / 6;
    SetBkMode(dc, TRANSPARENT);
    HFONT titleFont = fontOfHeight(row * 2 / 5, FW_NORMAL);
    HFONT lineFont = fontOfHeight(row * 3 / 5, FW_BOLD);
    HGDIOBJ previous = SelectObject(dc, titleFont);
    drawPiece(dc, margin, margin / 2, widen(moment_.title), unsungColour);
    SelectObject(dc, lineFont);
    const int lineTop = row / 2;
    if (moment_.noWords) {
        drawPiece(dc, margin, lineTop, widen(LyricsView::noWordsText), unsungColour);
    } else {
        const size_t sung = std::min(moment_.sung, moment_.line.size());
        const int x = drawPiece(dc, margin, lineTop, widen(moment_.line.substr(0, sung)), sungColour);
        drawPiece(dc, x, lineTop, widen(moment_.line.substr(sung)), unsungColour);
        drawPiece(dc, margin + row / 2, lineTop + row, widen(moment_.next), unsungColour);
    }
    SelectObject(dc, previous);
    DeleteObject(titleFont);
    DeleteObject(lineFont);
}
