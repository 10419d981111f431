// The real main window under Wine, with a recording device and a timer the test ticks: what only Windows
// shows (the menu resource and its checks, the face in real pixels, clicks reaching the face and the
// device, the window's real size). The rules behind them are checked by the model's and the face's tests.
#include <gtest/gtest.h>

#include "platform/win32/WideText.h"
#include "playback/SmfWriter.h"
#include "resources/CommandIds.h"
#include "tests/app/win32/TestWindow.h"
#include "tests/support/Golden.h"

namespace {
class MainWindowTest : public StartedWindowTest {
  protected:
    // A pixel of the client area after a full repaint.
    COLORREF clientPixel(int x, int y) {
        RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        return windowPixel(hwnd(), x, y);
    }
    // The skin pictures the window read (COLORREF and packed colours share one layout).
    const Skin& skin() { return window->model().skin(); }
};
}  // namespace

TEST_F(MainWindowTest, StartsAsVelmiraWithTheFacePainted) {
    EXPECT_EQ(title(), "Velmira");
    RECT client;
    GetClientRect(hwnd(), &client);
    EXPECT_TRUE(client.right >= 788 && client.bottom >= 540) << client.right << "x" << client.bottom;
    for (const POINT p : {POINT{5, 5}, POINT{400, 300}, POINT{700, 500}})
        EXPECT_EQ(clientPixel(p.x, p.y), skin().face().packedAt(p.x, p.y)) << p.x << "," << p.y;
}

TEST_F(MainWindowTest, OpenPlayAndExitDriveTheDeviceTheTitleAndThePlayButton) {
    openSong(SmfWriter(1, 480).track(SmfTrack().shortMessage(0, 0x90, 60, 100).endOfTrack(480)).bytes());
    EXPECT_NE(title().find("バイト:フォーマット=1:トラック数=1)"), std::string::npos);  // through wide text
    const size_t loaded = out.messages().size();

    click(face::playHot.left + 13, face::playHot.top + 11);
    ticks(3);
    ASSERT_GT(out.messages().size(), loaded);
    EXPECT_EQ(RecordingMidiOut::formatLine(out.messages()[loaded]), "0 90 3C 64");
    const face::SheetRect lit = face::playLitSource;
    EXPECT_EQ(clientPixel(face::playPicture.x + 29, face::playPicture.y + 24),
              skin().buttonSheet().packedAt(lit.x + 29, lit.y + 24));

    const HWND handle = hwnd();  // exit while playing
    command(IDM_APP_EXIT);
    EXPECT_FALSE(timer.running() || IsWindow(handle));
}

// The menu bar as a user finds it after start-up, every label with its command, pinned in
// tests/golden/menu-labels.txt.
TEST_F(MainWindowTest, TheMenuBarShowsItsItemsAsPinned) {
    auto label = [](HMENU menu, int position) {
        wchar_t text[64] = {};
        GetMenuStringW(menu, UINT(position), text, 64, MF_BYPOSITION);
        return narrow(text);
    };
    std::string items;
    HMENU bar = GetMenu(hwnd());
    for (int top = 0; top < GetMenuItemCount(bar); ++top) {
        items += label(bar, top) + "\n";
        HMENU popup = GetSubMenu(bar, top);
        for (int item = 0; item < GetMenuItemCount(popup); ++item) {
            const std::string text = label(popup, item);
            items += text.empty() ? "    ----\n"
                                  : "    " + std::to_string(GetMenuItemID(popup, item)) + " " + text + "\n";
        }
    }
    expectGolden("menu-labels.txt", items);
}

// A close that reaches the main window while a modal dialog of its own is open: found by the monkey run,
// where a posted close destroyed the window under its open dialog and the program never ended.
TEST_F(MainWindowTest, ACloseDuringAModalDialogWaitsForTheDialogAndThenCloses) {
    bool aliveUnderTheDialog = false, dialogStillOpen = false;
    runWithDialogScript(
        [&](HWND dialog) {
            SendMessageW(hwnd(), WM_CLOSE, 0, 0);
            aliveUnderTheDialog = IsWindow(hwnd());
            dialogStillOpen = IsWindow(dialog);
        },
        [&] { MessageBoxW(hwnd(), L"?", L"velmira", MB_OK); });
    EXPECT_TRUE(aliveUnderTheDialog && dialogStillOpen);
    const HWND main = hwnd();
    ASSERT_TRUE(IsWindowEnabled(main));
    SendMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(main));
}

// What was done as asked is told with the information icon, not the warning one failures carry.
TEST_F(MainWindowTest, AnInformationMessageCarriesTheInformationIcon) {
    HICON icon = nullptr;
    runWithDialogScript(
        [&](HWND box) {
            for (HWND item = GetWindow(box, GW_CHILD); item; item = GetWindow(item, GW_HWNDNEXT))
                if ((GetWindowLongW(item, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
                    icon = HICON(SendMessageW(item, STM_GETICON, 0, 0));
        },
        [&] { command(IDM_SONGS_CLEAR); });
    EXPECT_EQ(icon, LoadIconW(nullptr, IDI_INFORMATION));
}
