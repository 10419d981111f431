// "演奏を保存" on the real window under Wine: the song written through
// the real file writer as the window plays it, and a failed write that leaves nothing. When the command is
// refused is checked natively.
#include <gtest/gtest.h>

#include "app/win32/FileDialogs.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32Files.h"
#include "playback/SmfWriter.h"
#include "resources/CommandIds.h"
#include "tests/app/win32/TestFolders.h"
#include "tests/app/win32/TestWindow.h"
#include "tools/render/RenderCommand.h"

namespace {
using Lines = std::vector<std::string>;

// Two notes a quarter apart on channel 0 and a long one on channel 1.
std::vector<uint8_t> twoChannelSong() {
    return SmfWriter(1, 480)
        .track({0x00, 0x90, 60,   100,  0x83, 0x60, 0x80, 60,   0,    0x00, 0x90,
                62,   100,  0x83, 0x60, 0x80, 62,   0,    0x00, 0x91, 67,   90,
                0x87, 0x40, 0x81, 67,   0x00, 0x00, 0xFF, 0x2F, 0x00})
        .bytes();
}

// What a song plays after the seventeen messages of its load.
Lines afterLoad(const std::vector<RecordingMidiOut::Message>& messages) {
    Lines lines;
    for (size_t i = 17; i < messages.size(); ++i) lines.push_back(RecordingMidiOut::formatLine(messages[i]));
    return lines;
}

class PlaySaveWindowTest : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        ASSERT_TRUE(start());
    }

    TempFolder folder{L"play-save"};
};
}  // namespace

TEST_F(PlaySaveWindowTest, SavesTheSongAsPlayedWithTheEffect) {
    window->dialogs.saveAs = narrow(folder.file(L"played ♪.mid"));
    openSong(twoChannelSong());
    command(IDM_EFFECT_OKINAWAN);
    const size_t sent = out.messages().size();
    command(IDM_FILE_SAVE_PLAYED);
    ASSERT_EQ(window->dialogs.songFoldersAsked.size(), 1u);
    EXPECT_FALSE(
        window->dialogs.songFoldersAsked[0].empty());  // the song folder, the start folder on a first run
    EXPECT_TRUE(window->messages.empty());
    EXPECT_EQ(out.messages().size(), sent);  // nothing played on the window's device

    RenderOptions okinawan;
    okinawan.effect.type = EffectType::okinawan;
    const Lines original = afterLoad(renderSong(twoChannelSong(), okinawan));
    ASSERT_GT(original.size(), 48u);
    EXPECT_EQ(afterLoad(renderSong(Win32Files().readFile(*window->dialogs.saveAs, UINT64_MAX).bytes,
                                   RenderOptions{})),
              original);
}

TEST_F(PlaySaveWindowTest, AFailedWriteIsReportedAndLeavesNoFile) {
    // A folder stands where the file is to go: the temporary file is written, but cannot take its place.
    openSong(twoChannelSong());
    window->dialogs.saveAs = narrow(folder.folder(L"taken.mid"));
    command(IDM_FILE_SAVE_PLAYED);
    EXPECT_EQ(window->messages, Lines{"ＭＩＤＩデータの書き込みに失敗しました"});
    EXPECT_EQ(folder.entries(), std::vector<std::wstring>{L"taken.mid"});  // no half-written file beside it
}

// The save dialog opens over the window that asked, not at the screen's top-left corner.
TEST_F(PlaySaveWindowTest, TheSaveDialogOpensCentredOverTheWindow) {
    SetWindowPos(hwnd(), nullptr, 120, 90, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT owner = {}, shown = {};
    GetWindowRect(hwnd(), &owner);
    runWithDialogScript(
        [&](HWND dialog) { GetWindowRect(dialog, &shown); },
        [&] { chooseFileToSave(hwnd(), "ＭＩＤＩファイル(*.mid)|*.mid|", narrow(folder.path()), "mid"); });
    EXPECT_NEAR((shown.left + shown.right) / 2, (owner.left + owner.right) / 2, 2);
    EXPECT_NEAR((shown.top + shown.bottom) / 2, (owner.top + owner.bottom) / 2, 2);
}
