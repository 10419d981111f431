#include "app/win32/CLyricsDlg.h"

#include <algorithm>
#include <vector>

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
BOOL CALLBACK addWorkArea(HMONITOR monitor, HDC, RECT*, LPARAM areas) {
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    if (GetMonitorInfoW(monitor, &info))
        reinterpret_cast<std::vector<ScreenArea>*>(areas)->push_back(
            {info.rcWork.left, info.rcWork.top, info.rcWork.right, info.rcWork.bottom});
    return TRUE;
}
}  // namespace

CLyricsDlg::~CLyricsDlg() {
    if (dialog_) DestroyWindow(dialog_);
}

void CLyricsDlg::showLyricsWindow(bool shown) {
    if (!shown) {
        if (dialog_) hide();
        return;
    }
    if (!dialog_) {
        if (!CreateDialogParamW(instance_, MAKEINTRESOURCEW(IDD_LYRICS), owner_,
                                &DialogPlumbing::dialogProc<CLyricsDlg>, LPARAM(this)))
            return;
        placeOnOpening();
    }
    ShowWindow(dialog_, SW_SHOWNOACTIVATE);
    place_->shown = true;
    keepPlace();
}

void CLyricsDlg::restore(const WindowPlace& place) {
    place_ = place;
    if (place.shown) showLyricsWindow(true);
}

void CLyricsDlg::keepPlace() const {
    if (place_) placed_(*place_);
}

// Where the last run left it, when that is still on a screen; else below the main window, where the song
// list's window beside it leaves room.
void CLyricsDlg::placeOnOpening() {
    std::vector<ScreenArea> workAreas;
    EnumDisplayMonitors(nullptr, nullptr, &addWorkArea, LPARAM(&workAreas));
    if (place_ && reachableOn(*place_, workAreas)) {
        SetWindowPos(dialog_, nullptr, place_->left, place_->top, place_->width, place_->height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    } else {
        RECT owner;
        GetWindowRect(owner_, &owner);
        placeOnScreen(dialog_, owner.left, owner.bottom, owner);
    }
    noteRect();
}

void CLyricsDlg::noteRect() {
    RECT rect;
    if (!GetWindowRect(dialog_, &rect)) return;
    const bool shown = place_ && place_->shown;
    place_ = WindowPlace{rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, shown};
}

void CLyricsDlg::hide() {
    ShowWindow(dialog_, SW_HIDE);
    place_->shown = false;
    keepPlace();
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
            if (LOWORD(wParam) == IDCANCEL) hide();
            return TRUE;
        case WM_WINDOWPOSCHANGED:
            // A move or a size as it happens; the hiding and the destruction are not the user's place.
            if (IsWindowVisible(dialog_) && !IsIconic(dialog_)) noteRect();
            return FALSE;  // the dialog's own handling sends WM_SIZE
        case WM_EXITSIZEMOVE:
            return keepPlace(), TRUE;
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
