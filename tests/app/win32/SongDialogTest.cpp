// "ファイルを開く" on the real main window under Wine opens the open dialog in its MIDI mode: the panel
// offers listening, the selected song plays through the window's device as written until its end is
// posted back to the dialog, and the chosen file is the song the window loads. What the preview sends is
// checked natively.
#include <gtest/gtest.h>

#include "images/win32/CFileIconDlg.h"
#include "platform/win32/WideText.h"
#include "playback/SmfWriter.h"
#include "resources/CommandIds.h"
#include "tests/app/win32/TestFolders.h"
#include "tests/app/win32/TestWindow.h"
#include "tests/images/win32/OpenDialogDriver.h"

namespace {
class ListeningWindow : public CMainWnd {
  public:
    using CMainWnd::CMainWnd;
    void showMessage(const std::string& text) override { ADD_FAILURE() << text; }
    VirtualTimer previewTicks;

  protected:
    PlaybackTimer& previewTimer() override { return previewTicks; }
};

class SongDialogTest : public testing::Test {
  protected:
    void SetUp() override {
        // Two quarters: a note on channel 3 and a controller, as written.
        folder.write(L"song.mid", SmfWriter(1, 480)
                                      .track(SmfTrack()
                                                 .shortMessage(0, 0x92, 64, 90)
                                                 .shortMessage(0, 0xB2, 10, 20)
                                                 .shortMessage(480, 0x82, 64, 0)
                                                 .endOfTrack(480))
                                      .bytes());
        GetCurrentDirectoryW(MAX_PATH, previousFolder);
        SetCurrentDirectoryW(folder.path().c_str());
        ASSERT_TRUE(CMainWnd::registerClass(GetModuleHandleW(nullptr)));
        window = std::make_unique<ListeningWindow>(
            GetModuleHandleW(nullptr), out, [] { return std::optional<std::string>(); }, timer, failures);
        ASSERT_TRUE(window->create(SW_SHOWNOACTIVATE));
        OpenDialogDriver::pump();
    }
    void TearDown() override {
        window.reset();
        SetCurrentDirectoryW(previousFolder);
    }
    std::string title() { return windowText(window->handle()); }

    TempFolder folder{L"song-dialog"};
    wchar_t previousFolder[MAX_PATH] = {};
    RecordingMidiOut out;
    VirtualTimer timer;
    ShortMessageFailures failures;
    std::unique_ptr<ListeningWindow> window;
};
}  // namespace

TEST_F(SongDialogTest, TheSelectedSongIsHeardAsWrittenUntilItsEndAndTheChosenSongIsLoaded) {
    SendMessageW(window->handle(), WM_COMMAND, IDM_EFFECT_JAPANESE, 0);  // previews ignore effects
    VirtualTimer& preview = window->previewTicks;
    OpenDialogDriver::whenOpen([&](OpenDialogDriver& driver) {
        EXPECT_EQ(driver.text(IDC_PREVIEW_CHECK), "音楽を聴く");
        EXPECT_FALSE(driver.checked());
        EXPECT_FALSE(IsWindowVisible(driver.control(IDC_PREVIEW_AREA)));
        EXPECT_FALSE(IsWindowVisible(driver.control(IDC_PREVIEW_SIZE)));

        driver.select(L"song.mid");  // not listening: nothing is sent
        const size_t before = out.messages().size();
        EXPECT_FALSE(preview.running());
        driver.clickCheckBox();  // listening starts at once
        ASSERT_TRUE(preview.running());
        saveScreenshot("file-dialog-midi");
        EXPECT_EQ(sentLines(out, before).size(), 17u);  // the song's load

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
    });
    SetCurrentDirectoryW(previousFolder);  // the dialog starts in the song folder, wherever the process is
    SendMessageW(window->handle(), WM_COMMAND, IDM_FILE_OPEN, 0);
    EXPECT_EQ(title().rfind(narrow(folder.path()) + "\\song.mid", 0), 0u) << title();
}

TEST_F(SongDialogTest, ListeningStopsWhenTheDialogIsCancelledAndTheCheckBoxIsRemembered) {
    OpenDialogDriver::whenOpen([&](OpenDialogDriver& driver) {
        driver.clickCheckBox();
        driver.select(L"song.mid");
        EXPECT_TRUE(window->previewTicks.running());
        driver.cancel();
    });
    SendMessageW(window->handle(), WM_COMMAND, IDM_FILE_OPEN, 0);
    EXPECT_FALSE(window->previewTicks.running());
    EXPECT_EQ(title(), "Velmira");

    OpenDialogDriver::whenOpen([&](OpenDialogDriver& driver) {
        EXPECT_TRUE(driver.checked());
        driver.cancel();
    });
    SendMessageW(window->handle(), WM_COMMAND, IDM_FILE_OPEN, 0);
}
