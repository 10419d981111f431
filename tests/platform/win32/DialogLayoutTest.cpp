// The program's dialog templates, laid out with the fonts this system has: every text fits its control,
// and the dialog opens over its owner.
#include <gtest/gtest.h>

#include <string>

#include "platform/win32/DialogPlumbing.h"
#include "resources/DialogIds.h"

namespace {
INT_PTR CALLBACK fittingProc(HWND dialog, UINT message, WPARAM, LPARAM owner) {
    if (message != WM_INITDIALOG) return FALSE;
    fitAndCentreDialog(dialog, HWND(owner));
    return TRUE;
}

// Single-line texts (statics and push-like buttons) that do not fit their control, as "id: text".
std::string clippedTexts(HWND dialog) {
    std::string clipped;
    HDC dc = GetDC(dialog);
    HGDIOBJ previous = SelectObject(dc, HFONT(SendMessageW(dialog, WM_GETFONT, 0, 0)));
    for (HWND control = GetWindow(dialog, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT)) {
        wchar_t text[128] = {};
        const int length = GetWindowTextW(control, text, 128);
        wchar_t kind[16] = {};
        GetClassNameW(control, kind, 16);
        if (length == 0 || std::wstring(kind) == L"ScrollBar" || std::wstring(kind) == L"ListBox") continue;
        RECT needed = {0, 0, 0, 0};
        DrawTextW(dc, text, length, &needed, DT_CALCRECT | DT_SINGLELINE);
        RECT client;
        GetClientRect(control, &client);
        if (needed.right > client.right) clipped += std::to_string(GetDlgCtrlID(control)) + " ";
    }
    SelectObject(dc, previous);
    ReleaseDC(dialog, dc);
    return clipped;
}
}  // namespace

TEST(DialogLayout, EveryTemplatesTextsFitAndTheDialogOpensOverItsOwner) {
    HWND owner = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 200, 150, 700, 500, nullptr,
                                 nullptr, nullptr, nullptr);
    for (const int id : {IDD_KEY_SIGNATURE, IDD_PITCH_MAP, IDD_EFFECT_TIME, IDD_TONE_DIALOG}) {
        HWND dialog = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), owner, fittingProc,
                                         LPARAM(owner));
        ASSERT_TRUE(dialog) << id;
        EXPECT_EQ(clippedTexts(dialog), "") << "template " << id;
        RECT placed;
        GetWindowRect(dialog, &placed);
        EXPECT_NEAR((placed.left + placed.right) / 2, 550, 1) << id;
        EXPECT_NEAR((placed.top + placed.bottom) / 2, 400, 1) << id;
        DestroyWindow(dialog);
    }
    DestroyWindow(owner);
}
