// "ファイルを開く" on the real main window under Wine opens the open dialog in its MIDI mode: the panel
// offers listening, the selected song plays through the window's device until its end is posted back to
// the dialog, and the chosen file is the song the window loads. What the preview sends is checked natively.
#include <gtest/gtest.h>

#include "platform/win32/WideText.h"
#include "playback/SmfWriter.h"
#include "resources/CommandIds.h"
#include "tests/app/win32/TestFolders.h"
#include "tests/app/win32/TestWindow.h"
#include "tests/images/win32/OpenDialogDriver.h"

using SongDialogTest = WindowTest;

TEST_F(SongDialogTest, TheSelectedSongIsHeardUntilItsEndAndTheChosenSongIsLoaded) {
    TempFolder folder{L"song-dialog"};
    // Two quarters: a note on channel 3 and a controller.
    SmfTrack track;
    track.shortMessage(0, 0x92, 64, 90).shortMessage(0, 0xB2, 10, 20).shortMessage(480, 0x82, 64, 0);
    folder.write(L"song.mid", SmfWriter(1, 480).track(track.endOfTrack(480)).bytes());
    SetCurrentDirectoryW(folder.path().c_str());  // the song folder of a first run
    ASSERT_TRUE(start());
    // The dialog starts in the song folder, wherever the process is.
    SetCurrentDirectoryW(startFolder.c_str());
    window->dialogs.realSongDialog = true;
    VirtualTimer& preview = window->dialogs.previewTicks;
    const auto steps = [&](OpenDialogDriver& driver) {
        EXPECT_FALSE(IsWindowVisible(driver.control(IDC_PREVIEW_AREA)));
        driver.select(L"song.mid");  // not listening
        EXPECT_FALSE(preview.running());
        driver.clickCheckBox();  // listening starts at once
        const size_t played = out.messages().size();
        for (int i = 0; i < 200 && preview.running(); ++i) {
            out.setTime(i * 10);
            preview.tick();
            OpenDialogDriver::pump();  // the posted end of the song is handled here
        }
        EXPECT_FALSE(preview.running());  // stopped at its end, not repeated
        const std::vector<std::string> heard = messageLines(out.messages(), played);
        ASSERT_GE(heard.size(), 3u);
        EXPECT_EQ(std::vector<std::string>(heard.begin(), heard.begin() + 3),
                  (std::vector<std::string>{"0 92 40 5A", "0 B2 0A 14", "500 82 40 00"}));
        EXPECT_TRUE(driver.open(L"song.mid"));
    };
    OpenDialogDriver::whenOpen(steps, [&] { command(IDM_FILE_OPEN); });
    EXPECT_EQ(title().rfind(narrow(folder.path()) + "\\song.mid", 0), 0u) << title();
    SetCurrentDirectoryW(startFolder.c_str());  // the dialog leaves the folder it ended in current
}
