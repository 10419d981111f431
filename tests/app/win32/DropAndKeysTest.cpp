// Files dropped on the real window, and the hot keys through the accelerator table the program builds: a
// drop opens and queues songs as the open dialog would, and each key sends what its face button sends.
// Which drops and keys count while playing is checked natively.
#include <gtest/gtest.h>
#include <windows.h>
// DROPFILES, after <windows.h>
#include <shlobj.h>

#include <memory>

#include "app/win32/HotKeyTable.h"
#include "playback/SmfWriter.h"
#include "resources/CommandIds.h"
#include "tests/app/win32/TestWindow.h"

namespace {
// A song of twenty quarters, a note on every quarter, so every control has something to act on.
std::vector<uint8_t> quarterNotes() {
    std::vector<uint8_t> events;
    for (int i = 0; i < 20; ++i) events.insert(events.end(), {0x00, 0x90, 60, 100, 0x83, 0x60, 0x80, 60, 0});
    return SmfWriter(1, 480).track(join({events, endOfTrack()})).bytes();
}

// One main window with its own device and timer; its songs come from the test, and message boxes fail it.
struct PlayerWindow {
    PlayerWindow() {
        window = std::make_unique<TestWindow>(out, timer, failures);
        window->messagesFail = true;
        for (const char* name : {"song.mid", "two.mid", "three.MIDI", "notes.txt"})
            window->files[name] = quarterNotes();
    }
    HWND hwnd() const { return window->handle(); }
    std::string title() const { return windowText(hwnd()); }
    std::vector<std::string> songList() const {
        std::vector<std::string> paths;
        const SongList& list = window->model().engine().selection().songs;
        for (int i = 0; i < list.count(); ++i) paths.push_back(list.at(i));
        return paths;
    }
    // What the face's controls change besides the messages they send.
    std::string state() {
        MainWindowModel& model = window->model();
        return "playing " + std::to_string(timer.running()) + ", tempo " +
               std::to_string(model.engine().sequencer().displayTempo()) + ", volume " +
               std::to_string(model.face().masterVolume) + ", shift " +
               std::to_string(model.engine().controls().keyShift.load());
    }

    RecordingMidiOut out;
    VirtualTimer timer;
    ShortMessageFailures failures;
    std::unique_ptr<TestWindow> window;
};

// A drop as Explorer makes it: a DROPFILES header followed by the wide paths, the last one followed by an
// empty one. The window frees it.
void drop(HWND window, const std::vector<std::wstring>& paths) {
    size_t characters = 1;
    for (const std::wstring& path : paths) characters += path.size() + 1;
    HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + characters * sizeof(wchar_t));
    auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
    header->pFiles = sizeof(DROPFILES);
    header->fWide = TRUE;
    auto* text = reinterpret_cast<wchar_t*>(header + 1);
    for (const std::wstring& path : paths) {
        path.copy(text, path.size());
        text += path.size() + 1;
    }
    GlobalUnlock(memory);
    SendMessageW(window, WM_DROPFILES, WPARAM(memory), 0);
    pumpMessages();
}

class DropAndKeysTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(CMainWnd::registerClass(GetModuleHandleW(nullptr)));
        hotKeys = createHotKeyTable();
        ASSERT_NE(hotKeys, nullptr);
    }
    void TearDown() override { DestroyAcceleratorTable(hotKeys); }

    // A key pressed as the message loop sees it, with Ctrl held or not.
    bool pressKey(HWND window, int virtualKey, bool control = false) {
        BYTE keys[256] = {};
        GetKeyboardState(keys);
        keys[VK_CONTROL] = control ? 0x80 : 0;
        SetKeyboardState(keys);
        MSG message = {window, WM_KEYDOWN, WPARAM(virtualKey), 1, GetTickCount(), {}};
        const bool translated = TranslateAcceleratorW(window, hotKeys, &message);
        keys[VK_CONTROL] = 0;
        SetKeyboardState(keys);
        pumpMessages();
        return translated;
    }
    void start(PlayerWindow& player) {
        ASSERT_TRUE(player.window->create(SW_SHOWNOACTIVATE));
        pumpMessages();
    }

    HACCEL hotKeys = nullptr;
};
}  // namespace

TEST_F(DropAndKeysTest, ADropOpensAndQueuesSongsAndEachKeySendsWhatItsFaceButtonOrMenuItemSends) {
    struct KeyAndButton {
        const char* name;
        int virtualKey;
        POINT button;  // the centre of its face button
    };
    const KeyAndButton keys[] = {
        {"Space plays", VK_SPACE, {89, 467}}, {"Up", VK_UP, {157, 294}},
        {"Down", VK_DOWN, {87, 294}},         {"Left", VK_LEFT, {87, 166}},
        {"Right", VK_RIGHT, {157, 166}},      {"Page Up", VK_PRIOR, {157, 230}},
        {"Page Down", VK_NEXT, {87, 230}},    {"Space stops", VK_SPACE, {31, 467}},
    };
    PlayerWindow byKey, byClick;
    start(byKey);
    start(byClick);
    drop(byKey.hwnd(), {L"song.mid", L"two.mid", L"notes.txt", L"three.MIDI"});
    EXPECT_EQ(byKey.title().rfind("song.mid  (", 0), 0u) << byKey.title();
    EXPECT_EQ(byKey.songList(), (std::vector<std::string>{"song.mid", "two.mid", "three.MIDI"}));
    drop(byClick.hwnd(), {L"song.mid"});
    for (const KeyAndButton& key : keys) {
        SCOPED_TRACE(key.name);
        const std::string before = byKey.state();
        byKey.out.clear();
        byClick.out.clear();
        EXPECT_TRUE(pressKey(byKey.hwnd(), key.virtualKey));
        clickAt(*byClick.window, key.button.x, key.button.y);
        for (PlayerWindow* player : {&byKey, &byClick}) {  // the song moves on alike
            player->timer.tick();
            pumpMessages();
        }
        EXPECT_NE(byKey.state(), before);
        EXPECT_EQ(byKey.state(), byClick.state());
        EXPECT_EQ(sentLines(byKey.out), sentLines(byClick.out));
    }
    EXPECT_FALSE(byKey.timer.running());

    // Ctrl+O opens a song as the file menu does; O alone does nothing.
    byKey.window->nextChoice = "two.mid";
    EXPECT_FALSE(pressKey(byKey.hwnd(), 'O'));
    EXPECT_EQ(byKey.title().rfind("song.mid  (", 0), 0u) << byKey.title();
    EXPECT_TRUE(pressKey(byKey.hwnd(), 'O', true));
    EXPECT_EQ(byKey.title().rfind("two.mid  (", 0), 0u) << byKey.title();
}
