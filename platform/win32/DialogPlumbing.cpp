#include "platform/win32/DialogPlumbing.h"

#include <algorithm>

#include "platform/win32/ProgramFolder.h"
#include "platform/win32/WideText.h"

namespace {
// A dialog is never stretched further than this, whatever a text asks.
constexpr double largestStretch = 2.0;

std::wstring textOf(HWND window) {
    std::wstring text(size_t(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(size_t(GetWindowTextW(window, text.data(), int(text.size()))));
    return text;
}

std::wstring classOf(HWND window) {
    wchar_t name[32] = {};
    GetClassNameW(window, name, 32);
    return name;
}

int textWidth(HDC dc, const std::wstring& text) {
    RECT bounds = {0, 0, 0, 0};
    DrawTextW(dc, text.c_str(), int(text.size()), &bounds, DT_CALCRECT | DT_SINGLELINE);
    return bounds.right - bounds.left;
}

// The width a static text or button needs beyond its text: a check box or radio button's mark, or a pixel
// each side of a push button's text (its frame may overlap the text's blank edges, as on Windows).
int decorationWidth(HWND control) {
    const LONG style = GetWindowLongW(control, GWL_STYLE);
    if (classOf(control) != L"Button") return 0;
    const LONG type = style & BS_TYPEMASK;
    const bool marked = !(style & BS_PUSHLIKE) && (type == BS_AUTORADIOBUTTON || type == BS_RADIOBUTTON ||
                                                   type == BS_AUTOCHECKBOX || type == BS_CHECKBOX);
    return marked ? GetSystemMetrics(SM_CXMENUCHECK) + 4 : 2;
}

bool holdsText(HWND control) {
    const std::wstring name = classOf(control);
    if (name == L"Static") {
        const LONG kind = GetWindowLongW(control, GWL_STYLE) & SS_TYPEMASK;
        return kind == SS_LEFT || kind == SS_CENTER || kind == SS_RIGHT || kind == SS_LEFTNOWORDWRAP;
    }
    return name == L"Button" && (GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK) != BS_GROUPBOX;
}

double stretchNeeded(HWND dialog, const LaterTexts& laterTexts) {
    double stretch = 1.0;
    HDC dc = GetDC(dialog);
    HGDIOBJ previous = SelectObject(dc, HFONT(SendMessageW(dialog, WM_GETFONT, 0, 0)));
    const auto fit = [&](HWND control, const std::wstring& text) {
        RECT client;
        GetClientRect(control, &client);
        if (text.empty() || client.right <= 0) return;
        const int needed = textWidth(dc, text) + decorationWidth(control);
        stretch = std::max(stretch, double(needed) / client.right);
    };
    for (HWND control = GetWindow(dialog, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT))
        if (holdsText(control)) fit(control, textOf(control));
    for (const auto& [id, text] : laterTexts)
        if (HWND control = GetDlgItem(dialog, id)) fit(control, widen(text));
    SelectObject(dc, previous);
    ReleaseDC(dialog, dc);

    // The caption, in the caption's own font, beside the caption's buttons and icon.
    const std::wstring caption = textOf(dialog);
    if (!caption.empty() && (GetWindowLongW(dialog, GWL_STYLE) & WS_CAPTION) == WS_CAPTION) {
        NONCLIENTMETRICSW metrics = {};
        metrics.cbSize = sizeof metrics;
        SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
        HFONT font = CreateFontIndirectW(&metrics.lfCaptionFont);
        HDC screen = GetDC(nullptr);
        previous = SelectObject(screen, font);
        const int needed = textWidth(screen, caption) + 3 * GetSystemMetrics(SM_CXSIZE);
        SelectObject(screen, previous);
        ReleaseDC(nullptr, screen);
        DeleteObject(font);
        RECT outer;
        GetWindowRect(dialog, &outer);
        if (outer.right > outer.left)
            stretch = std::max(stretch, double(needed) / (outer.right - outer.left));
    }
    return std::min(stretch, largestStretch);
}

void stretchAcross(HWND dialog, double stretch) {
    for (HWND control = GetWindow(dialog, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT)) {
        RECT place;
        GetWindowRect(control, &place);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&place), 2);
        const int left = int(place.left * stretch + 0.5);
        const int right = int(place.right * stretch + 0.5);
        SetWindowPos(control, nullptr, left, place.top, right - left, place.bottom - place.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    RECT client;
    RECT outer;
    GetClientRect(dialog, &client);
    GetWindowRect(dialog, &outer);
    const int frame = (outer.right - outer.left) - client.right;
    SetWindowPos(dialog, nullptr, 0, 0, int(client.right * stretch + 0.5) + frame, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void centreDialogOver(HWND dialog, HWND owner) {
    RECT own;
    GetWindowRect(dialog, &own);
    RECT over;
    if (!owner || !GetWindowRect(owner, &over)) SystemParametersInfoW(SPI_GETWORKAREA, 0, &over, 0);
    placeOnScreen(dialog, over.left + (over.right - over.left - (own.right - own.left)) / 2,
                  over.top + (over.bottom - over.top - (own.bottom - own.top)) / 2, over);
}
}  // namespace

void placeOnScreen(HWND window, int left, int top, const RECT& area) {
    RECT own;
    GetWindowRect(window, &own);
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromRect(&area, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& work = monitor.rcWork;
    left = std::max(int(work.left), std::min(left, int(work.right - (own.right - own.left))));
    top = std::max(int(work.top), std::min(top, int(work.bottom - (own.bottom - own.top))));
    SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void fitAndCentreDialog(HWND dialog, HWND owner, const LaterTexts& laterTexts) {
    const double stretch = stretchNeeded(dialog, laterTexts);
    if (stretch > 1.0) stretchAcross(dialog, stretch);
    centreDialogOver(dialog, owner);
}

void centreFileDialog(HWND hook) {
    HWND dialog = GetParent(hook);
    centreDialogOver(dialog, GetWindow(dialog, GW_OWNER));
}

std::wstring dialogFilter(const std::string& filter) {
    std::wstring result = widen(filter);
    for (wchar_t& c : result)
        if (c == L'|') c = L'\0';
    result.push_back(L'\0');
    return result;
}

void setItemText(HWND dialog, int id, const std::string& utf8) {
    SetDlgItemTextW(dialog, id, widen(utf8).c_str());
}

void showMessage(HWND owner, const std::string& text) {
    MessageBoxW(owner, widen(text).c_str(), programBaseName().c_str(), MB_OK | MB_ICONEXCLAMATION);
}

void showInformation(HWND owner, const std::string& text) {
    MessageBoxW(owner, widen(text).c_str(), programBaseName().c_str(), MB_OK | MB_ICONINFORMATION);
}

void showMessage(HWND owner, const std::string& text, const std::string& caption) {
    MessageBoxW(owner, widen(text).c_str(), widen(caption).c_str(), MB_OK | MB_ICONEXCLAMATION);
}
