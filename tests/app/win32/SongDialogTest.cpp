// "ファイルを開く" on the real main window under Wine opens the open dialog in its MIDI mode: the panel
// offers listening, the selected song plays through the window's device until its end is posted back to
// the dialog, and the chosen file is the song the window loads. What the preview sends is checked natively.
#include <gtest/gtest.h>

#include "images/win32/CFileIconDlg.h"
#include "platform/win32/WideText.h"
#include "playback/SmfWriter.h"
#include "resources/CommandIds.h"
#include "tests/app/win32/TestFolders.h"
#include "tests/app/win32/TestWindow.h"
#include "tests/images/win32/OpenDialogDriver.h"

namespace {
class ListeningDialogs : public Win32Dialogs {
  public:
    using Win32Dialogs::Win32Dialogs;
    VirtualTimer previewTicks;

  protected:
    PlaybackTimer& previewTimer() override { return previewTicks; }
};

class ListeningWindow : public CMainWnd {
  public:
    using CMainWnd::CMainWnd;
    void showMessage(const std::string& text) override { ADD_FAILURE() << text; }
};
}  // namespace

TEST(SongDialog, TheSelectedSongIsHeardUntilItsEndAndTheChosenSongIsLoaded) {
    TempFolder folder{L"song-dialog"};
    // Two quarters: a note on channel 3 and a controller.
    folder.write(L"song.mid", SmfWriter(1, 480)
                                  .track(SmfTrack()
                                             .shortMessage(0, 0x92, 64, 90)
                                             .shortMessage(0, 0xB2, 10, 20)
                                             .shortMessage(480, 0x82, 64, 0)
                                             .endOfTrack(480))
                                  .bytes());
    wchar_t previousFolder[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, previousFolder);
    SetCurrentDirectoryW(folder.path().c_str());  // the song folder of a first run
    RecordingMidiOut out;
    VirtualTimer timer;
    ShortMessageFailures failures;
    ASSERT_TRUE(CMainWnd::registerClass(GetModuleHandleW(nullptr)));
    Win32Files files;
    ListeningDialogs dialogs(GetModuleHandleW(nullptr));
    ListeningWindow window(
        GetModuleHandleW(nullptr), files, dialogs, out, [] { return std::optional<std::string>(); }, timer,
        failures);
    ASSERT_TRUE(window.create(SW_SHOWNOACTIVATE));
    OpenDialogDriver::pump();
    SetCurrentDirectoryW(previousFolder);  // the dialog starts in the song folder, wherever the process is
    VirtualTimer& preview = dialogs.previewTicks;
    const auto steps = [&](OpenDialogDriver& driver) {
        EXPECT_FALSE(IsWindowVisible(driver.control(IDC_PREVIEW_AREA)));
        driver.select(L"song.mid");  // not listening
        EXPECT_FALSE(preview.running());
        driver.clickCheckBox();  // listening starts at once
        ASSERT_TRUE(preview.running());
        const size_t played = out.messages().size();
        for (int i = 0; i < 200 && preview.running(); ++i) {
            out.setTime(i * 10);
            preview.tick();
            OpenDialogDriver::pump();  // the posted end of the song is handled here
        }
        EXPECT_FALSE(preview.running());  // stopped at its end, not repeated
        const std::vector<std::string> heard = sentLines(out, played);
        ASSERT_GE(heard.size(), 3u);
        EXPECT_EQ(std::vector<std::string>(heard.begin(), heard.begin() + 3),
                  (std::vector<std::string>{"0 92 40 5A", "0 B2 0A 14", "500 82 40 00"}));
        EXPECT_TRUE(driver.open(L"song.mid"));
    };
    OpenDialogDriver::whenOpen(steps, [&] { SendMessageW(window.handle(), WM_COMMAND, IDM_FILE_OPEN, 0); });
    const std::string title = windowText(window.handle());
    EXPECT_EQ(title.rfind(narrow(folder.path()) + "\\song.mid", 0), 0u) << title;
    SetCurrentDirectoryW(previousFolder);  // the dialog leaves the folder it ended in current
}
