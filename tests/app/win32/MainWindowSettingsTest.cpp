// The real window's settings in this Wine prefix's real registry: read at start-up, written back when the
// window is destroyed, shown as the history items of the "ファイル" menu, and deleted on command.
#include <gtest/gtest.h>

#include "platform/win32/WideText.h"
#include "playback/SmfWriter.h"
#include "resources/CommandIds.h"
#include "tests/app/win32/TestFolders.h"
#include "tests/app/win32/TestWindow.h"

namespace {
using Lines = std::vector<std::string>;

// Every path ending in ".mid" reads as a short song.
class SongsWindow : public TestWindow {
  public:
    using TestWindow::TestWindow;
    FileData readFile(const std::string& path, uint64_t limit) override {
        if (path.size() > 4 && path.compare(path.size() - 4, 4, ".mid") == 0)
            return {FileData::ok, SmfWriter(1, 480).track(endOfTrack()).bytes()};
        return TestWindow::readFile(path, limit);
    }
};

// A menu item's text shows "&&" as "&".
std::string menuText(std::string text) {
    for (size_t at = text.find('&'); at != std::string::npos; at = text.find('&', at + 2))
        text.insert(at, 1, '&');
    return text;
}

std::wstring currentFolder() {
    wchar_t folder[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, folder);
    return folder;
}

std::string readString(const wchar_t* key, const wchar_t* name) {
    wchar_t value[1024] = {};
    DWORD size = sizeof value;
    if (RegGetValueW(HKEY_CURRENT_USER, key, name, RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS)
        return "(absent)";
    return narrow(value);
}

class MainWindowSettingsTest : public WindowTest {
  protected:
    void TearDown() override {
        WindowTest::TearDown();
        SetCurrentDirectoryW(startFolder.c_str());
    }
    std::unique_ptr<TestWindow> newWindow() override {
        return std::make_unique<SongsWindow>(out, timer, failures);
    }
    // The exit command, which ends with the window's destruction.
    void exitProgram() {
        const HWND handle = hwnd();
        command(IDM_APP_EXIT);
        ASSERT_FALSE(IsWindow(handle));
    }
    void openFile(const std::string& path) {
        window->nextChoice = path;
        command(IDM_FILE_OPEN);
    }
    HMENU fileMenu() { return GetSubMenu(GetMenu(hwnd()), 0); }
    Lines historyItems() {
        Lines items;
        for (int position = 2; GetMenuItemID(fileMenu(), position) != IDM_HISTORY_CLEAR && position < 10;
             ++position) {
            wchar_t label[MAX_PATH + 16] = {};
            GetMenuStringW(fileMenu(), UINT(position), label, MAX_PATH + 16, MF_BYPOSITION);
            items.push_back(narrow(label));
        }
        return items;
    }

    const std::wstring startFolder = currentFolder();
    TempFolder music{L"曲&歌"};  // "&" to see it doubled in the menu and shown as it is
};
}  // namespace

TEST_F(MainWindowSettingsTest, WhatTheWindowWritesAtExitIsWhatItShowsAtTheNextStart) {
    // A first run started in the folder of MIDI files, with only the sound module stored so far.
    ASSERT_TRUE(SetCurrentDirectoryW(music.path().c_str()));
    const DWORD sb16 = 2;
    RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\Velmira\\User", L"Ongen", REG_DWORD, &sb16, sizeof sb16);
    ASSERT_TRUE(start());
    EXPECT_TRUE(historyItems().empty());
    EXPECT_EQ(GetMenuItemCount(fileMenu()), 8);  // the placeholders are gone
    EXPECT_TRUE(menuState(0, IDM_HISTORY_CLEAR, MF_GRAYED));
    EXPECT_TRUE(menuState(5, IDM_MODULE_SB16, MF_CHECKED));
    const std::string folder = narrow(music.path());
    openFile(folder + "\\a.mid");
    openFile("C:\\other\\b.mid");
    openFile(folder + "\\sub\\c.mid");
    openFile(folder + "\\a.mid");
    const Lines shown = {"1. a.mid", "2. " + menuText(folder) + "\\sub\\c.mid", "3. C:\\other\\b.mid"};
    EXPECT_EQ(historyItems(), shown);
    EXPECT_FALSE(menuState(0, IDM_HISTORY_CLEAR, MF_GRAYED));
    exitProgram();

    const wchar_t* mru = L"Software\\Velmira\\Mru";
    EXPECT_EQ(readString(L"Software\\Velmira\\Dir", L"TexDir"), folder);
    EXPECT_EQ(readString(mru, L"Mru4"), "empty");
    EXPECT_EQ(readString(L"Software\\Velmira\\User", L"BackBmp"), "Main.bmp");

    // The next start elsewhere: the folder of MIDI files becomes current again, and the history is back.
    ASSERT_TRUE(SetCurrentDirectoryW(startFolder.c_str()));
    ASSERT_TRUE(start());
    EXPECT_EQ(currentFolder(), music.path());
    EXPECT_EQ(historyItems(), shown);
    EXPECT_TRUE(menuState(5, IDM_MODULE_SB16, MF_CHECKED));
    command(IDM_HISTORY_FIRST);  // the oldest item: it opens and goes to the top
    EXPECT_EQ(historyItems()[0], "1. C:\\other\\b.mid");
    command(IDM_HISTORY_CLEAR);
    EXPECT_TRUE(historyItems().empty());
    EXPECT_EQ(GetMenuItemCount(fileMenu()), 8);
    exitProgram();
    EXPECT_EQ(readString(mru, L"Mru1"), "empty");
    EXPECT_TRUE(window->messages.empty());
}

// The face is found beside the program even after start-up has made another folder current: a "Main.bmp"
// there that is no face at all must not be read.
TEST_F(MainWindowSettingsTest, TheSkinIsReadFromTheProgramsFolderAfterTheFolderOfMidiFilesBecameCurrent) {
    music.write(L"Main.bmp", {'n', 'o', 't', ' ', 'a', ' ', 'B', 'M', 'P'});
    for (const wchar_t* name : {L"ReadDir", L"SaveDir", L"TexDir"})
        RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\Velmira\\Dir", name, REG_SZ, music.path().c_str(),
                        DWORD((music.path().size() + 1) * sizeof(wchar_t)));
    ASSERT_TRUE(start());
    EXPECT_EQ(currentFolder(), music.path());
    EXPECT_TRUE(window->messages.empty());
}

TEST_F(MainWindowSettingsTest, DeletingTheSettingsAsksRemovesTheProgramsKeyAndClosesWithoutWritingThem) {
    ASSERT_TRUE(start());
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Velmira", 0, KEY_READ, &key), ERROR_SUCCESS);
    RegCloseKey(key);
    openFile("C:\\songs\\a.mid");
    const HWND handle = window->handle();
    command(IDM_DELETE_SETTINGS_AND_EXIT);
    EXPECT_FALSE(IsWindow(handle));
    EXPECT_EQ(window->questions, Lines{SettingsMenu::deleteQuestion});
    EXPECT_TRUE(window->messages.empty());
    EXPECT_NE(RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Velmira", 0, KEY_READ, &key), ERROR_SUCCESS);
}
