// "曲目一覧…" through the real window's menu: the window opens owned by the main window, a double-click
// plays, Delete and Alt+Down reach the rules through the message loop, and Esc hides it (what each action
// does, and the list kept in the settings as it changes, are checked natively).
#include <gtest/gtest.h>
#include <windows.h>

#include "platform/win32/WideText.h"
#include "playback/SmfWriter.h"
#include "resources/CommandIds.h"
#include "resources/DialogIds.h"
#include "tests/app/win32/TestWindow.h"

TEST_F(WindowTest, TheSongListMenuOpensTheListWhoseActionsReachTheSongList) {
    messagesFail = false;  // c.mid's message
    ASSERT_TRUE(start());
    for (const char* name : {"a.mid", "b.mid"})
        openSong(SmfWriter(1, 480).track(SmfTrack().shortMessage(0, 0x90, 60, 9).endOfTrack(4800)).bytes(),
                 name);
    window->dialogs.nextChoice = "c.mid";  // cannot be read, but joins the list
    command(IDM_FILE_OPEN);
    command(IDM_SONGS_WINDOW);
    const HWND dialog = window->songListWindow(), list = GetDlgItem(dialog, IDC_SONG_LIST);
    ASSERT_TRUE(IsWindowVisible(dialog));
    EXPECT_TRUE(GetWindow(dialog, GW_OWNER) == hwnd() && GetFocus() == list);
    const auto row = [&](int index) {
        wchar_t text[256] = {};
        SendMessageW(list, LB_GETTEXT, WPARAM(index), LPARAM(text));
        return narrow(text);
    };
    const auto press = [&](UINT message, WPARAM key, LPARAM flags) {
        PostMessageW(list, message, key, 1 | flags);
        pump();
    };

    RECT first;
    SendMessageW(list, LB_GETITEMRECT, 0, LPARAM(&first));
    const LPARAM at = MAKELPARAM(first.left + 4, first.top + 2);
    for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
        SendMessageW(list, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, at);
    pump();
    EXPECT_TRUE(title().rfind("a.mid", 0) == 0 && timer.running()) << title();
    EXPECT_EQ(row(0), "♪ 1. a.mid");
    press(WM_KEYDOWN, VK_DELETE, 0);  // the row double-clicked
    press(WM_SYSKEYDOWN, VK_DOWN, 1 << 29);
    EXPECT_EQ(row(0) + row(1) + row(2), "　 1. c.mid　 2. b.mid");
    press(WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_FALSE(IsWindowVisible(dialog));
}
