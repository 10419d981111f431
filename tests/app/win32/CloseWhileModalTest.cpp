// A close that reaches the main window while a modal dialog of its own is open: found by the monkey run,
// where a posted close destroyed the window under its open dialog and the program never ended.
#include <gtest/gtest.h>

#include "tests/app/win32/DialogScripts.h"
#include "tests/app/win32/TestWindow.h"

using CloseWhileModalTest = WindowTest;

TEST_F(CloseWhileModalTest, WaitsForTheDialogAndThenCloses) {
    ASSERT_TRUE(start());
    bool aliveUnderTheDialog = false;
    bool dialogStillOpen = false;
    runWithDialogScript(
        [&](HWND dialog) {
            SendMessageW(hwnd(), WM_CLOSE, 0, 0);
            aliveUnderTheDialog = IsWindow(hwnd());
            dialogStillOpen = IsWindow(dialog);
        },
        [&] { MessageBoxW(hwnd(), L"?", L"velmira", MB_OK); });
    EXPECT_TRUE(aliveUnderTheDialog);
    EXPECT_TRUE(dialogStillOpen);
    const HWND main = hwnd();
    ASSERT_TRUE(IsWindowEnabled(main));
    SendMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(main));
}
