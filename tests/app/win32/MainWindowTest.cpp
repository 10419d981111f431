// The real main window under Wine, with a recording device and a timer the test ticks: what only Windows
// shows (the menu resource and its checks, the face in real pixels, clicks reaching the face and the
// device, the window's real size). The rules behind them are checked by the model's and the face's tests.
#include <gtest/gtest.h>

#include <fstream>

#include "resources/CommandIds.h"
#include "app/win32/CMainWnd.h"
#include "images/SkinBmp.h"
#include "platform/win32/WideText.h"
#include "playback/RecordingMidiOut.h"
#include "playback/SmfWriter.h"
#include "playback/VirtualTimer.h"
#include "tests/app/win32/SettingsKeyCleanup.h"

namespace {
// The window with its dialogs and message boxes answered by the test.
class ScriptedWindow : public CMainWnd {
  public:
    using CMainWnd::CMainWnd;
    std::optional<std::string> chooseSongFile(const std::string&) override { return nextChoice; }
    void showMessage(const std::string& text) override { ADD_FAILURE() << text; }
    // The song comes from the test, the skin files from the disk.
    FileData readFile(const std::string& path) override {
        return path == "song.mid" ? FileData{FileData::ok, song} : CMainWnd::readFile(path);
    }

    std::optional<std::string> nextChoice;
    std::vector<uint8_t> song;
};

class MainWindowTest : public testing::Test {
  protected:
    void SetUp() override {
        removeProgramSettings();
        ASSERT_TRUE(CMainWnd::registerClass(GetModuleHandleW(nullptr)));
        window = std::make_unique<ScriptedWindow>(
            GetModuleHandleW(nullptr), out, [] { return std::optional<std::string>(); }, timer, failures);
        ASSERT_TRUE(window->create(SW_SHOWNOACTIVATE));
        pump();
    }
    void TearDown() override {
        window.reset();
        removeProgramSettings();
    }

    HWND hwnd() const { return window->handle(); }
    void pump() {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            if (message.message != WM_QUIT) DispatchMessageW(&message);
    }
    void command(int id) {
        SendMessageW(hwnd(), WM_COMMAND, WPARAM(id), 0);
        pump();
    }
    void click(int x, int y) {
        SendMessageW(hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        SendMessageW(hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(x, y));
        pump();
    }
    std::string title() {
        wchar_t text[512] = {};
        GetWindowTextW(hwnd(), text, 512);
        return narrow(text);
    }
    // A song of twenty quarters whose first note sounds a quarter long.
    void openSong() {
        window->song = SmfWriter(1, 480)
                           .track(join({{0x00, 0x90, 60, 100, 0x83, 0x60, 0x80, 60, 0}, endOfTrack(9600)}))
                           .bytes();
        window->nextChoice = "song.mid";
        command(IDM_FILE_OPEN);
    }
    // A pixel of the client area after a full repaint.
    COLORREF clientPixel(int x, int y) {
        RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        HDC dc = GetDC(hwnd());
        const COLORREF colour = GetPixel(dc, x, y);
        ReleaseDC(hwnd(), dc);
        return colour;
    }
    // A pixel of a skin picture, from the file the window reads, as GDI reports it.
    COLORREF skinPixel(const std::string& name, int x, int y) {
        std::ifstream file(widen(window->findSkinFile(name).value_or("")).c_str(), std::ios::binary);
        DibImage image;
        if (!(name == "Button.bmp" ? readButtonBmp : readFaceBmp)(file, image)) return CLR_INVALID;
        const uint32_t packed = image.packedAt(x, y);
        return RGB(packed & 0xFF, (packed >> 8) & 0xFF, (packed >> 16) & 0xFF);
    }
    bool menuChecked(int menuPosition, int id) {
        HMENU popup = GetSubMenu(GetMenu(hwnd()), menuPosition);
        SendMessageW(hwnd(), WM_INITMENUPOPUP, WPARAM(popup), menuPosition);
        return GetMenuState(popup, UINT(id), MF_BYCOMMAND) & MF_CHECKED;
    }

    RecordingMidiOut out;
    VirtualTimer timer;
    ShortMessageFailures failures;
    std::unique_ptr<ScriptedWindow> window;
};
}  // namespace

TEST_F(MainWindowTest, StartsAsVelmiraWithItsMenuChecksAndTheFacePaintedAndShrinksToTheCompactView) {
    EXPECT_EQ(title(), "Velmira");
    HMENU menu = GetMenu(hwnd());
    ASSERT_EQ(GetMenuItemCount(menu), 7);
    // The history placeholders are gone from the file menu: open, separator, clear, save as played,
    // separator, delete settings, separator, exit.
    EXPECT_EQ(GetMenuItemCount(GetSubMenu(menu, 0)), 8);
    wchar_t label[64] = {};
    GetMenuStringW(menu, 2, label, 64, MF_BYPOSITION);
    EXPECT_EQ(narrow(label), "効果");

    EXPECT_TRUE(menuChecked(1, IDM_PLAY_ONCE));
    EXPECT_TRUE(menuChecked(2, IDM_EFFECT_NONE));
    command(IDM_PLAY_ONCE);
    EXPECT_FALSE(menuChecked(1, IDM_PLAY_ONCE));

    RECT client;
    GetClientRect(hwnd(), &client);
    EXPECT_GE(client.right, 788);
    EXPECT_GE(client.bottom, 540);
    for (const POINT p : {POINT{5, 5}, POINT{400, 300}, POINT{700, 500}})
        EXPECT_EQ(clientPixel(p.x, p.y), skinPixel("Main.bmp", p.x, p.y)) << p.x << "," << p.y;

    command(IDM_LARGE_VIEW);  // the compact view: a caption and a menu bar
    RECT outer;
    GetWindowRect(hwnd(), &outer);
    EXPECT_EQ(outer.right - outer.left, 400);
    command(IDM_LARGE_VIEW);
    GetWindowRect(hwnd(), &outer);
    EXPECT_GT(outer.right - outer.left, 788);
}

TEST_F(MainWindowTest, OpenPlayAndExitDriveTheDeviceTheTitleAndThePlayButton) {
    openSong();
    EXPECT_NE(title().find("バイト:フォーマット=1:トラック数=1)"), std::string::npos);  // through wide text
    const size_t loaded = out.messages().size();

    click(80, 460);  // play
    ASSERT_TRUE(timer.running());
    for (int i = 0; i < 3; ++i) {
        timer.tick();
        pump();
    }
    ASSERT_GT(out.messages().size(), loaded);
    EXPECT_EQ(RecordingMidiOut::formatLine(out.messages()[loaded]), "0 90 3C 64");
    const face::SheetRect lit = face::playLitSource;
    EXPECT_EQ(clientPixel(61 + 29, 444 + 24), skinPixel("Button.bmp", lit.x + 29, lit.y + 24));

    const HWND handle = hwnd();  // exit while playing
    command(IDM_APP_EXIT);
    EXPECT_FALSE(timer.running());
    EXPECT_FALSE(IsWindow(handle));
}

// The system menu's items are Windows' to set: the window's own checks and enabling must not reach them,
// or the fixed-size window could be maximised or sized.
TEST_F(MainWindowTest, OpeningTheSystemMenuLeavesItsItemsAsWindowsSetThem) {
    HMENU system = GetSystemMenu(hwnd(), FALSE);
    ASSERT_NE(system, nullptr);
    ASSERT_GT(GetMenuItemCount(system), 0);
    const UINT first = GetMenuItemID(system, 0);
    EnableMenuItem(system, first, MF_BYCOMMAND | MF_GRAYED);
    SendMessageW(hwnd(), WM_INITMENUPOPUP, WPARAM(system), MAKELPARAM(0, TRUE));
    EXPECT_TRUE(GetMenuState(system, first, MF_BYCOMMAND) & MF_GRAYED);
}
