// "演奏を保存" on the real window under Wine: the song written through the real file writer (which leaves
// nothing when it fails: BackgroundWindowTest), and the save dialog's place. What is written, when the
// command is refused and what a failure says are checked natively.
#include <gtest/gtest.h>

#include "app/PlayedSong.h"
#include "app/win32/FileDialogs.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32Files.h"
#include "playback/SmfWriter.h"
#include "resources/CommandIds.h"
#include "tests/app/win32/TestFolders.h"
#include "tests/app/win32/TestWindow.h"

TEST_F(StartedWindowTest, PlaySaveWritesTheSongAsPlayedThroughTheRealFileWriter) {
    TempFolder folder{L"play-save"};
    window->dialogs.saveAs = narrow(folder.file(L"played ♪.mid"));
    openSong(SmfWriter(1, 480).track(SmfTrack().shortMessage(0, 0x90, 60, 100).endOfTrack(480)).bytes());
    command(IDM_FILE_SAVE_PLAYED);
    EXPECT_EQ(Win32Files().readFile(*window->dialogs.saveAs, UINT64_MAX).bytes,
              playedSongAsSmf(window->model().engine()));
}

// The save dialog opens over the window that asked, not at the screen's top-left corner.
TEST_F(StartedWindowTest, TheSaveDialogOpensCentredOverTheWindow) {
    SetWindowPos(hwnd(), nullptr, 120, 90, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT owner = {}, shown = {};
    GetWindowRect(hwnd(), &owner);
    runWithDialogScript(
        [&](HWND dialog) { GetWindowRect(dialog, &shown); },
        [&] { chooseFileToSave(hwnd(), "ＭＩＤＩファイル(*.mid)|*.mid|", narrow(startFolder), "mid"); });
    EXPECT_NEAR((shown.left + shown.right) / 2, (owner.left + owner.right) / 2, 2);
    EXPECT_NEAR((shown.top + shown.bottom) / 2, (owner.top + owner.bottom) / 2, 2);
}
