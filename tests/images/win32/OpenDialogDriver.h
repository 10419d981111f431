#pragma once
// Driving the real open dialog from a test: the dialog is modal, so the test's steps run from a thread
// timer that its message loop dispatches once the dialog is up. Selections are made as a user's typing
// would make them: the file name goes into the dialog's name field and the panel hears of the change.
#include <windows.h>
// commdlg.h and dlgs.h need windows.h first.
#include <commdlg.h>
#include <dlgs.h>

#include <functional>
#include <string>
#include <vector>

#include "resources/DialogIds.h"
#include "tests/app/win32/DialogScripts.h"

class OpenDialogDriver {
  public:
    // Runs |modal| with |steps| run on the open dialog it shows. Message boxes over the dialog are read and
    // answered meanwhile.
    static void whenOpen(const std::function<void(OpenDialogDriver&)>& steps,
                         const std::function<void()>& modal) {
        runWithDialogScript(
            [&](HWND dialog) {
                OpenDialogDriver driver(dialog);
                boxAnswerer = &driver;
                const UINT_PTR timer = SetTimer(nullptr, 0, 30, &OpenDialogDriver::answerBox);
                steps(driver);
                KillTimer(nullptr, timer);
                boxAnswerer = nullptr;
            },
            modal);
    }

    HWND dialog;
    HWND panel;
    std::vector<std::string> messageBoxTexts;  // every box answered, in order

    HWND control(int id) const { return GetDlgItem(panel, id); }
    std::string text(int id) const { return itemText(panel, id); }
    void clickCheckBox() {
        SendMessageW(control(IDC_PREVIEW_CHECK), BM_CLICK, 0, 0);
        pump();
    }
    // Types the name (of a file in the dialog's folder, as a click in its list does) and tells the panel
    // that the selection changed, as the dialog does.
    void select(const std::wstring& name) {
        typeName(name);
        OFNOTIFYW notify = {{dialog, 0, UINT(CDN_SELCHANGE)}, nullptr, nullptr};
        SendMessageW(panel, WM_NOTIFY, 0, LPARAM(&notify));
        pump();
    }
    // Presses the dialog's open button with |name| typed; returns whether the dialog closed.
    bool open(const std::wstring& name) {
        typeName(name);
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), LPARAM(GetDlgItem(dialog, IDOK)));
        pump();
        return !IsWindowVisible(dialog);  // ended; destroyed once the test's steps return
    }

    // A pixel of the preview area as the screen shows it.
    COLORREF areaPixel(int x, int y) const { return windowPixel(control(IDC_PREVIEW_AREA), x, y); }
    SIZE areaSize() const {
        RECT client;
        GetClientRect(control(IDC_PREVIEW_AREA), &client);
        return {client.right, client.bottom};
    }

    // The thread's waiting messages, but not its timers: the steps run inside one.
    static void pump() {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            if (message.message != WM_QUIT && !(message.message == WM_TIMER && message.hwnd == nullptr))
                DispatchMessageW(&message);
    }

  private:
    explicit OpenDialogDriver(HWND openDialog) : dialog(openDialog), panel(findPanel(openDialog)) {}

    static inline OpenDialogDriver* boxAnswerer = nullptr;
    static HWND findPanel(HWND dialog) {
        for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            if (GetDlgItem(child, IDC_PREVIEW_CHECK)) return child;
        return nullptr;
    }
    void typeName(const std::wstring& name) {
        SendMessageW(dialog, CDM_SETCONTROLTEXT, edt1, LPARAM(name.c_str()));
        SendMessageW(dialog, CDM_SETCONTROLTEXT, cmb13, LPARAM(name.c_str()));
    }
    static void CALLBACK answerBox(HWND, UINT, UINT_PTR, DWORD) {
        HWND box = findWindow(GetCurrentThreadId(),
                              [](HWND window) { return GetWindow(window, GW_OWNER) == boxAnswerer->dialog; });
        if (!box) return;
        boxAnswerer->messageBoxTexts.push_back(itemText(box, 0xFFFF));  // the static text of a message box
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    }
};
