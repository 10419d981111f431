// The tone column on the real main window under Wine: a click on a sounding channel's row opens the tone
// dialog over the window while the song plays on, its list's selections reach the device at once, and OK
// reaches the model (a dialog left any other way counts as Cancel, ToneChangerTest). Which rows open a
// dialog, what each button locks and how the lock holds against the song are the model's and the filter's
// tests.
#include <gtest/gtest.h>

#include "resources/DialogIds.h"
#include "tests/app/win32/TestWindow.h"
#include "tests/support/ToneColumnSong.h"
#include "tones/ToneTable.h"

namespace {

// A click on a list row as the user makes it: the list box selects the row and notifies the dialog.
void clickToneRow(HWND dialog, int index) {
    HWND list = GetDlgItem(dialog, IDC_TONE_LIST);
    SendMessageW(list, LB_SETTOPINDEX, WPARAM(index), 0);
    RECT item{};
    SendMessageW(list, LB_GETITEMRECT, WPARAM(index), reinterpret_cast<LPARAM>(&item));
    const LPARAM point = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageW(list, WM_LBUTTONUP, 0, point);
}
}  // namespace

TEST_F(StartedWindowTest, AToneColumnRowOpensTheDialogOverThePlayingSongAndItsSelectionsReachTheDevice) {
    openSong(toneColumnSong());
    click(face::playHot.left + 13, face::playHot.top + 11);
    ticks(3);
    out.clear();
    runWithDialogScript(
        [&](HWND dialog) {
            EXPECT_EQ(GetParent(dialog), hwnd());
            EXPECT_FALSE(IsWindowEnabled(hwnd())) << "modal over the main window";
            EXPECT_EQ(SendDlgItemMessageW(dialog, IDC_TONE_LIST, LB_GETCURSEL, 0, 0),
                      toneIndex(SoundModule::sc88, 33, 0));

            ticks(5);                                                   // the song plays on under the dialog
            clickToneRow(dialog, toneIndex(SoundModule::sc88, 40, 8));  // Slow Violin
            EXPECT_EQ(messageLines(out.messages()), (Lines{"0 B3 00 08", "0 B3 20 00", "0 C3 28 00"}));
            SendDlgItemMessageW(dialog, IDOK, BM_CLICK, 0, 0);
        },
        [&] { click(face::levelBarOrigin(3).x + 29, face::levelBarOrigin(3).y + 4); });  // the tone column
    EXPECT_TRUE(IsWindowEnabled(hwnd()) && out.messages().size() == 3u) << "OK sends nothing more";
}
