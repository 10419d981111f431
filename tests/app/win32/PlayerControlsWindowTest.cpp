// The hot keys through the accelerator table the program builds (one table for every binding, so the jump
// keys stand for the rest), files dropped on the real window, the click on the play-time read-out and
// "MIDI出力" (what each does is checked natively).
#include <gtest/gtest.h>
#include <windows.h>
// DROPFILES, after <windows.h>
#include <shlobj.h>

#include "app/win32/CMainApp.h"
#include "playback/SmfWriter.h"
#include "resources/CommandIds.h"
#include "resources/DialogIds.h"
#include "tests/app/win32/TestWindow.h"

namespace {
// A note held for thirty seconds.
std::vector<uint8_t> halfMinuteSong() {
    return SmfWriter(1, 480).track(SmfTrack().shortMessage(0, 0x90, 60, 100).endOfTrack(960 * 30)).bytes();
}

// A drop as Explorer makes it: a DROPFILES header followed by the wide paths, each ended by a null, and
// one more null. The window frees it.
void drop(HWND window, const std::wstring& paths) {
    HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + (paths.size() + 1) * sizeof(wchar_t));
    auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
    *header = {sizeof(DROPFILES), {}, FALSE, TRUE};  // the wide paths right after it
    paths.copy(reinterpret_cast<wchar_t*>(header + 1), paths.size());
    GlobalUnlock(memory);
    SendMessageW(window, WM_DROPFILES, WPARAM(memory), 0);
}

class PlayerControlsWindowTest : public StartedWindowTest {
  protected:
    std::unique_ptr<TestWindow> newWindow() override {
        return std::make_unique<TestWindow>(out, timer, failures, [this](int device) {
            reopened.push_back(device);
            return true;
        });
    }
    void SetUp() override {
        StartedWindowTest::SetUp();
        for (const char* name : {"d.mid", "e.MIDI", "notes.txt"})
            window->files.addFile(name, halfMinuteSong());
        openSong(halfMinuteSong());
    }
    ~PlayerControlsWindowTest() override { DestroyAcceleratorTable(hotKeys); }
    // A key pressed as the message loop sees it, with Ctrl held or not.
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

    HACCEL hotKeys = createHotKeyTable();
    std::vector<int> reopened;
};

}  // namespace

TEST_F(PlayerControlsWindowTest, ADropOpensTheFirstFileAndQueuesTheFurtherSongs) {
    drop(hwnd(), std::wstring(L"d.mid\0notes.txt\0e.MIDI\0", 23));
    pump();
    EXPECT_EQ(title().rfind("d.mid  (", 0), 0u) << title();
    const SongList& songs = window->model().engine().selection().songs;
    ASSERT_GT(songs.count(), 0);
    EXPECT_EQ(songs.at(songs.count() - 1), "e.MIDI");
}

TEST_F(PlayerControlsWindowTest, TheJumpKeysAndTheReadOutMoveThePlayingSong) {
    pressKey(VK_SPACE, false);
    ticks(1500);
    pressKey(VK_LEFT, true);
    EXPECT_EQ(clock(), 5);

    std::string prompt;
    runWithDialogScript(
        [&](HWND dialog) {
            prompt = itemText(dialog, IDC_TIME_PROMPT);
            SendMessageW(dialog, WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, 20),
                         LPARAM(GetDlgItem(dialog, IDC_TIME_BAR)));
            PostMessageW(dialog, WM_COMMAND, IDOK, 0);
        },
        [&] { click(face::timeText.x + 16, face::timeText.y + 7); });
    EXPECT_EQ(std::tuple(prompt, clock(), timer.running()),
              std::tuple(std::string("再生位置を設定して下さい"), 20, true));
}

TEST_F(PlayerControlsWindowTest, MidiOutListsTheMapperFirstAndAChoiceReopensTheOutput) {
    HMENU outputs = GetSubMenu(GetSubMenu(GetMenu(hwnd()), 5), 3);  // after the three modules
    SendMessageW(hwnd(), WM_INITMENUPOPUP, WPARAM(outputs), 0);
    EXPECT_EQ(GetMenuItemID(outputs, 0), UINT(IDM_MIDI_OUT_MAPPER));
    EXPECT_TRUE(GetMenuState(outputs, IDM_MIDI_OUT_MAPPER, MF_BYCOMMAND) & MF_CHECKED);
    if (GetMenuItemCount(outputs) > 1) {  // the machine has an output device
        command(IDM_MIDI_OUT_MAPPER + 1);
        EXPECT_EQ(reopened, std::vector<int>{0});
    }
}
