// The real window's settings in this Wine prefix's real registry: read at start-up, written back when the
// window is destroyed, and shown as the history items of the "ファイル" menu. What is read and written, and
// deleting it, is checked natively (the store's own keys in RegistrySettingsStoreTest).
#include <gtest/gtest.h>

#include "platform/win32/ProgramFolder.h"
#include "platform/win32/WideText.h"
#include "playback/SmfWriter.h"
#include "resources/CommandIds.h"
#include "tests/app/win32/TestFolders.h"
#include "tests/app/win32/TestWindow.h"

namespace {

class MainWindowSettingsTest : public WindowTest {
  protected:
    Lines historyItems() {
        HMENU file = GetSubMenu(GetMenu(hwnd()), 0);
        Lines items;
        for (int position = 2; GetMenuItemID(file, position) != IDM_HISTORY_CLEAR && position < 10;
             ++position) {
            wchar_t label[MAX_PATH + 16] = {};
            GetMenuStringW(file, UINT(position), label, MAX_PATH + 16, MF_BYPOSITION);
            items.push_back(narrow(label));
        }
        return items;
    }

    TempFolder music{L"曲"};
};
}  // namespace

TEST_F(MainWindowSettingsTest, WhatTheWindowWritesAtExitIsWhatItShowsAtTheNextStart) {
    // A first run started in the folder of MIDI files, with only the sound module stored so far.
    ASSERT_TRUE(SetCurrentDirectoryW(music.path().c_str()));
    const DWORD sb16 = 2;
    RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\Velmira\\User", L"Ongen", REG_DWORD, &sb16, sizeof sb16);
    ASSERT_TRUE(start());
    EXPECT_EQ(GetMenuItemCount(GetSubMenu(GetMenu(hwnd()), 0)), 8);  // the placeholders are gone
    const std::string folder = narrow(music.path());
    const std::vector<uint8_t> empty = SmfWriter(1, 480).track(endOfTrack()).bytes();
    openSong(empty, "C:\\other\\b.mid");
    openSong(empty, folder + "\\a.mid");
    const Lines shown = {"1. a.mid", "2. C:\\other\\b.mid"};
    EXPECT_EQ(historyItems(), shown);
    const HWND first = hwnd();
    command(IDM_APP_EXIT);  // which ends with the window's destruction
    ASSERT_FALSE(IsWindow(first));

    // The next start elsewhere: the folder of MIDI files becomes current again, and the history is back.
    ASSERT_TRUE(SetCurrentDirectoryW(startFolder.c_str()));
    ASSERT_TRUE(start());
    EXPECT_EQ(std::pair(currentFolder(), historyItems()), std::pair(music.path(), shown));
    EXPECT_TRUE(menuState(5, IDM_MODULE_SB16, MF_CHECKED));
    command(IDM_HISTORY_CLEAR);
    EXPECT_TRUE(historyItems().empty());
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
}
