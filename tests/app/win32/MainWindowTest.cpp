// The real main window under Wine, with a recording device and a timer the test ticks: menu commands and
// clicks at face coordinates go in as window messages; the MIDI stream, title, menu and pixels come out.
#include <gtest/gtest.h>

#include <fstream>

#include "app/CommandIds.h"
#include "app/win32/CMainWnd.h"
#include "app/win32/WideText.h"
#include "images/SkinBmp.h"
#include "playback/RecordingMidiOut.h"
#include "playback/VirtualTimer.h"
#include "tests/app/win32/ProgramRun.h"
#include "tests/support/SongBytes.h"

namespace {
using Lines = std::vector<std::string>;

// The window with its dialogs and message boxes answered by the test.
class ScriptedWindow : public CMainWnd {
  public:
    using CMainWnd::CMainWnd;
    std::optional<std::string> chooseSongFile(const std::string& filter) override {
        lastFilter = filter;
        return nextChoice;
    }
    void showMessage(const std::string& text) override { messages.push_back(text); }

    std::optional<std::string> nextChoice;
    std::string lastFilter;
    Lines messages;
};

// A skin picture's pixel as GDI reports it.
COLORREF skinPixel(const wchar_t* name, int x, int y) {
    std::ifstream file((buildFolder() + L"\\" + name).c_str(), std::ios::binary);
    DibImage image;
    if (!(std::wstring(name) == L"Button.bmp" ? readButtonBmp : readFaceBmp)(file, image)) return CLR_INVALID;
    const uint32_t packed = image.packedAt(x, y);
    return RGB(packed & 0xFF, (packed >> 8) & 0xFF, (packed >> 16) & 0xFF);
}

COLORREF sheetPixel(face::Sprite sprite, int x, int y) {
    const face::SheetRect source = face::spritePlacements[sprite].source;
    return skinPixel(L"Button.bmp", source.x + x, source.y + y);
}

std::vector<uint8_t> longSong() {
    return SongBytes(1, 480)
        .track(join({{0x00, 0x90, 60, 100, 0x83, 0x60, 0x80, 60, 0}, endOfTrack(480 * 20)}))
        .bytes();
}

class MainWindowTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(CMainWnd::registerClass(GetModuleHandleW(nullptr)));
        window = std::make_unique<ScriptedWindow>(
            GetModuleHandleW(nullptr), out, [](std::string&) { return true; }, timer, failures);
        ASSERT_TRUE(window->create(SW_SHOWNOACTIVATE));
        pump();
    }
    void TearDown() override { window.reset(); }

    HWND hwnd() const { return window->handle(); }
    void pump() {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            if (message.message != WM_QUIT) DispatchMessageW(&message);
    }
    void tick(int count) {
        for (int i = 0; i < count; ++i) {
            timer.tick();
            pump();
        }
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
    void openSong(const std::vector<uint8_t>& bytes) {
        wchar_t folder[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, folder);
        const std::string path = narrow(folder) + "velmira-window-test.mid";
        std::ofstream(widen(path).c_str(), std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        window->nextChoice = path;
        command(IDM_FILE_OPEN);
    }
    // A pixel of the client area, after a full repaint when asked for.
    COLORREF clientPixel(int x, int y, bool repaint = true) {
        if (repaint) RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        HDC dc = GetDC(hwnd());
        const COLORREF colour = GetPixel(dc, x, y);
        ReleaseDC(hwnd(), dc);
        return colour;
    }
    bool menuChecked(int menuPosition, int id) {
        HMENU popup = GetSubMenu(GetMenu(hwnd()), menuPosition);
        SendMessageW(hwnd(), WM_INITMENUPOPUP, WPARAM(popup), menuPosition);
        return GetMenuState(popup, UINT(id), MF_BYCOMMAND) & MF_CHECKED;
    }
    Lines sentLines(size_t from = 0) const {
        Lines lines;
        for (size_t i = from; i < out.messages().size(); ++i)
            lines.push_back(RecordingMidiOut::formatLine(out.messages()[i]));
        return lines;
    }

    RecordingMidiOut out;
    VirtualTimer timer;
    ShortMessageFailures failures;
    std::unique_ptr<ScriptedWindow> window;
};
}  // namespace

TEST_F(MainWindowTest, StartsAsVelmiraWithItsMenuChecksAndTheFacePainted) {
    EXPECT_EQ(title(), "Velmira");
    HMENU menu = GetMenu(hwnd());
    ASSERT_EQ(GetMenuItemCount(menu), 7);
    // The history placeholders are gone from the file menu: open, separator, clear, separator,
    // delete settings, separator, exit.
    HMENU fileMenu = GetSubMenu(menu, 0);
    EXPECT_EQ(GetMenuItemCount(fileMenu), 7);
    EXPECT_EQ(GetMenuItemID(fileMenu, 0), UINT(IDM_FILE_OPEN));
    EXPECT_EQ(GetMenuItemID(fileMenu, 6), UINT(IDM_APP_EXIT));
    wchar_t label[64] = {};
    GetMenuStringW(menu, 2, label, 64, MF_BYPOSITION);
    EXPECT_EQ(narrow(label), "効果");

    EXPECT_TRUE(menuChecked(1, IDM_PLAY_ONCE));
    EXPECT_TRUE(menuChecked(1, IDM_LARGE_VIEW));
    command(IDM_PLAY_ONCE);
    EXPECT_FALSE(menuChecked(1, IDM_PLAY_ONCE));
    EXPECT_TRUE(menuChecked(2, IDM_EFFECT_NONE));
    EXPECT_FALSE(menuChecked(2, IDM_EFFECT_FOLK));

    RECT client;
    GetClientRect(hwnd(), &client);
    EXPECT_GE(client.right, 788);
    EXPECT_GE(client.bottom, 540);
    for (const POINT p : {POINT{5, 5}, POINT{400, 300}, POINT{700, 500}})
        EXPECT_EQ(clientPixel(p.x, p.y), skinPixel(L"Main.bmp", p.x, p.y)) << p.x << "," << p.y;
}

TEST_F(MainWindowTest, OpenPlayStopAndExitDriveTheDeviceTheTitleAndThePlayButton) {
    openSong(longSong());
    EXPECT_EQ(window->lastFilter, "ＭＩＤＩファイル(*.mid)|*.mid|");
    EXPECT_NE(title().find("velmira-window-test.mid  ("), std::string::npos);
    EXPECT_NE(title().find("バイト:フォーマット=1:トラック数=1)"), std::string::npos);
    const Lines loading = sentLines();
    ASSERT_EQ(loading.size(), 17u);
    EXPECT_EQ(loading[0], "0 B0 79 00");
    EXPECT_EQ(loading[16], "0 F0 41 10 42 12 40 00 7F 00 41 F7");

    click(80, 460);  // play
    ASSERT_TRUE(timer.running());
    tick(3);
    EXPECT_EQ(sentLines(17).at(0), "0 90 3C 64");
    EXPECT_EQ(clientPixel(61 + 29, 444 + 24), sheetPixel(face::playLit, 29, 24));

    click(20, 460);  // stop
    EXPECT_FALSE(timer.running());
    const Lines sent = sentLines(17);
    ASSERT_GE(sent.size(), 48u);
    EXPECT_EQ(sent[sent.size() - 48].substr(sent[sent.size() - 48].find(' ')), " B0 42 00");
    EXPECT_EQ(clientPixel(61 + 29, 444 + 24), sheetPixel(face::playNormal, 29, 24));

    click(80, 460);
    const HWND handle = hwnd();
    command(IDM_APP_EXIT);
    EXPECT_FALSE(timer.running());
    EXPECT_FALSE(IsWindow(handle));
}

TEST_F(MainWindowTest, TheTransposeArrowShiftsNotesAndShowsItsPressedSprite) {
    openSong(
        SongBytes(1, 480)
            .track(join({{0x00, 0x90, 60, 100, 0x60, 0x80, 60, 0, 0x60, 0x90, 62, 100}, endOfTrack(4800)}))
            .bytes());
    click(80, 460);
    tick(2);
    const size_t before = out.messages().size();
    // Checked before any other message is handled: a pointer move off the button would release it.
    SendMessageW(hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(150, 290));  // transpose up
    const Lines allOff = sentLines(before);
    ASSERT_EQ(allOff.size(), 16u);
    EXPECT_EQ(allOff[0].substr(allOff[0].find(' ')), " B0 78 00");
    EXPECT_EQ(clientPixel(146 + 12, 284 + 11, false), sheetPixel(face::transposeUpPressed, 12, 11));
    SendMessageW(hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(150, 290));
    pump();
    tick(30);
    bool shifted = false;
    for (const std::string& line : sentLines(before)) shifted |= line.find(" 90 3F 64") != std::string::npos;
    EXPECT_TRUE(shifted);  // D (62) went out as D# (63)
}

TEST_F(MainWindowTest, TheCompactViewIsACaptionAndAMenuBar) {
    openSong(longSong());
    command(IDM_LARGE_VIEW);
    RECT outer;
    GetWindowRect(hwnd(), &outer);
    EXPECT_EQ(outer.right - outer.left, 400);
    EXPECT_EQ(title().find("  ("), std::string::npos);
    // A double click on the caption plays; a right click on it stops.
    SendMessageW(hwnd(), WM_NCLBUTTONDBLCLK, HTCAPTION, 0);
    EXPECT_TRUE(timer.running());
    SendMessageW(hwnd(), WM_NCRBUTTONDOWN, HTCAPTION, 0);
    EXPECT_FALSE(timer.running());
    command(IDM_LARGE_VIEW);
    GetWindowRect(hwnd(), &outer);
    EXPECT_GT(outer.right - outer.left, 788);
}
