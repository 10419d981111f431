// The jump keys, the click on the play-time read-out, "次の曲"/"前の曲" with their keys, and "MIDI出力",
// through the real window (what each moves to is checked natively).
#include <gtest/gtest.h>
#include <windows.h>

#include "app/win32/HotKeyTable.h"
#include "effects/win32/EffectDialogIds.h"
#include "playback/SmfWriter.h"
#include "resources/CommandIds.h"
#include "tests/app/win32/TestWindow.h"

namespace {
// Thirty seconds of one note a second.
std::vector<uint8_t> halfMinuteSong() {
    SmfTrack track;
    for (int second = 0; second < 30; ++second)
        track.shortMessage(0, 0x90, 60, 100).shortMessage(960, 0x80, 60, 0);
    return SmfWriter(1, 480).track(track.endOfTrack()).bytes();
}

class PlayerControlsWindowTest : public WindowTest {
  protected:
    std::unique_ptr<TestWindow> newWindow() override {
        return std::make_unique<TestWindow>(out, timer, failures, [this](int device) {
            reopened.push_back(device);
            return true;
        });
    }
    void SetUp() override {
        WindowTest::SetUp();
        hotKeys = createHotKeyTable();
        ASSERT_TRUE(start());
        for (const char* name : {"a.mid", "b.mid", "c.mid"}) {
            window->files[name] = halfMinuteSong();
            window->nextChoice = name;
            command(IDM_FILE_OPEN);
        }
    }
    void TearDown() override {
        DestroyAcceleratorTable(hotKeys);
        WindowTest::TearDown();
    }
    void pressKey(int virtualKey, bool control) {
        BYTE keys[256] = {};
        GetKeyboardState(keys);
        keys[VK_CONTROL] = control ? 0x80 : 0;
        SetKeyboardState(keys);
        MSG message = {hwnd(), WM_KEYDOWN, WPARAM(virtualKey), 1, GetTickCount(), {}};
        EXPECT_TRUE(TranslateAcceleratorW(hwnd(), hotKeys, &message));
        keys[VK_CONTROL] = 0;
        SetKeyboardState(keys);
        pump();
    }
    int clock() { return window->model().engine().clock().playSeconds.load(); }

    HACCEL hotKeys = nullptr;
    std::vector<int> reopened;
};
}  // namespace

TEST_F(PlayerControlsWindowTest, TheJumpKeysAndTheReadOutMoveThePlayingSong) {
    pressKey(VK_SPACE, false);
    ticks(1500);
    pressKey(VK_LEFT, true);
    EXPECT_EQ(clock(), 5);
    pressKey(VK_RIGHT, true);
    EXPECT_EQ(clock(), 15);
    pressKey(VK_HOME, false);
    EXPECT_EQ(clock(), 0);

    std::string prompt;
    runWithDialogScript(
        [&](HWND dialog) {
            prompt = itemText(dialog, IDC_TIME_PROMPT);
            SendMessageW(dialog, WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, 20),
                         LPARAM(GetDlgItem(dialog, IDC_TIME_BAR)));
            PostMessageW(dialog, WM_COMMAND, IDOK, 0);
        },
        [&] { click(80, 378); });  // the play-time read-out
    EXPECT_EQ(prompt, "再生位置を設定して下さい");
    EXPECT_EQ(clock(), 20);
    EXPECT_TRUE(timer.running());
}

TEST_F(PlayerControlsWindowTest, NextAndPreviousAreInTheSongListMenuAndOnTheirKeys) {
    pressKey(VK_PRIOR, true);
    EXPECT_EQ(title().rfind("b.mid", 0), 0u) << title();
    command(IDM_SONGS_NEXT);
    EXPECT_EQ(title().rfind("c.mid", 0), 0u) << title();
    command(IDM_SONGS_PREVIOUS);
    pressKey(VK_NEXT, true);
    EXPECT_EQ(title().rfind("c.mid", 0), 0u) << title();
    HMENU songs = GetSubMenu(GetMenu(hwnd()), 3);
    EXPECT_EQ(GetMenuState(songs, IDM_SONGS_NEXT, MF_BYCOMMAND) & MF_DISABLED, 0u);
}

TEST_F(PlayerControlsWindowTest, MidiOutListsTheMapperFirstAndAChoiceReopensTheOutput) {
    HMENU modules = GetSubMenu(GetMenu(hwnd()), 5);
    HMENU outputs = GetSubMenu(modules, 3);  // after the three modules
    ASSERT_NE(outputs, nullptr);
    EXPECT_EQ(GetMenuItemID(outputs, 0), UINT(IDM_MIDI_OUT_MAPPER));
    EXPECT_TRUE(menuState(5, IDM_MODULE_SC88, MF_CHECKED));
    SendMessageW(hwnd(), WM_INITMENUPOPUP, WPARAM(outputs), 0);
    EXPECT_TRUE(GetMenuState(outputs, IDM_MIDI_OUT_MAPPER, MF_BYCOMMAND) & MF_CHECKED);
    if (GetMenuItemCount(outputs) > 1) {  // the machine has an output device
        command(IDM_MIDI_OUT_MAPPER + 1);
        EXPECT_EQ(reopened, std::vector<int>{0});
    }
}
