// "歌詞…" through the real window's menu: the window opens owned by the main window, follows the song as it
// plays, comes back where it was at the next start and goes with Esc (which line shows when, and which kept
// places are taken, is checked natively).
#include <gtest/gtest.h>
#include <windows.h>

#include "playback/SmfWriter.h"
#include "resources/CommandIds.h"
#include "tests/app/win32/TestWindow.h"

TEST_F(StartedWindowTest, TheLyricsWindowShowsTheLineBeingSung) {
    SmfTrack track;
    for (auto [delta, word] :
         {std::pair{0, "\x89\xcc"}, {480, "/two"}, {480, " three"}}) {  // 歌 in Shift-JIS
        const std::string event = std::string("\xFF\x05") + word;
        track.meta(uint32_t(delta), reinterpret_cast<const uint8_t*>(event.data()), event.size());
    }
    openSong(SmfWriter(0, 480).track(track.endOfTrack(480)).bytes());
    command(IDM_LYRICS_WINDOW);
    const HWND lyrics = window->lyricsWindow().handle();
    ASSERT_TRUE(IsWindowVisible(lyrics) && GetWindow(lyrics, GW_OWNER) == hwnd());
    EXPECT_EQ(window->lyricsWindow().shownText(), "\n歌\ntwo three");

    command(IDM_HOTKEY_SPACE);
    ticks(60);  // "/two" sung at 0.5 s
    EXPECT_EQ(window->lyricsWindow().shownText(), "\ntwo three\n");

    SetWindowPos(lyrics, nullptr, 50, 60, 400, 150, SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_TRUE(start());  // the next run shows it where it was
    const HWND again = window->lyricsWindow().handle();
    RECT place = {}, kept = {50, 60, 450, 210};
    EXPECT_TRUE(again && IsWindowVisible(again) && GetWindowRect(again, &place) && EqualRect(&place, &kept));
    PostMessageW(again, WM_KEYDOWN, VK_ESCAPE, 1);
    pump();
    EXPECT_FALSE(IsWindowVisible(again));
}
