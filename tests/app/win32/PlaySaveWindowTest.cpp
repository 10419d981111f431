// "演奏を保存" on the real window under Wine: the item under "履歴ファイルクリア", the song written through
// the real file writer as the window plays it, a refusal while playing and a failed write that leaves
// nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>

#include "platform/win32/WideText.h"
#include "playback/RecordingMidiOut.h"
#include "playback/SmfWriter.h"
#include "resources/CommandIds.h"
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

std::vector<uint8_t> readAll(const std::string& path) {
    std::ifstream file(widen(path).c_str(), std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(file), {});
}

Lines afterLoad(const std::vector<RecordingMidiOut::Message>& messages) {
    Lines lines;
    for (size_t i = 17; i < messages.size(); ++i) lines.push_back(RecordingMidiOut::formatLine(messages[i]));
    return lines;
}

class PlaySaveWindowTest : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        folder = narrow(temp) + "velmira-play-save-test";
        CreateDirectoryW(widen(folder).c_str(), nullptr);
        savedPath = folder + "\\played ♪.mid";
        DeleteFileW(widen(savedPath).c_str());
        ASSERT_TRUE(start());
        window->files["song.mid"] = twoChannelSong();
        window->nextChoice = "song.mid";
    }
    void TearDown() override {
        WindowTest::TearDown();
        DeleteFileW(widen(savedPath).c_str());
        RemoveDirectoryW(widen(folder).c_str());
    }

    std::string folder;
    std::string savedPath;
};
}  // namespace

TEST_F(PlaySaveWindowTest, TheItemFollowsTheHistoryClearAndSavesTheSongAsPlayedWithTheEffect) {
    HMENU fileMenu = GetSubMenu(GetMenu(hwnd()), 0);
    wchar_t label[64] = {};
    GetMenuStringW(fileMenu, 2, label, 64, MF_BYPOSITION);
    EXPECT_EQ(narrow(label), "履歴ファイルクリア");
    GetMenuStringW(fileMenu, 3, label, 64, MF_BYPOSITION);
    EXPECT_EQ(narrow(label), "演奏を保存");
    EXPECT_EQ(GetMenuItemID(fileMenu, 3), UINT(IDM_FILE_SAVE_PLAYED));

    window->saveAs = savedPath;
    command(IDM_FILE_SAVE_PLAYED);  // nothing loaded yet
    EXPECT_TRUE(window->songFoldersAsked.empty());

    command(IDM_FILE_OPEN);
    command(IDM_EFFECT_OKINAWAN);
    const size_t sent = out.messages().size();
    command(IDM_FILE_SAVE_PLAYED);
    ASSERT_EQ(window->songFoldersAsked.size(), 1u);
    EXPECT_FALSE(window->songFoldersAsked[0].empty());  // the song folder, the start folder on a first run
    EXPECT_TRUE(window->messages.empty());
    EXPECT_EQ(out.messages().size(), sent);  // nothing played on the window's device

    RenderOptions okinawan;
    okinawan.effect.type = EffectType::okinawan;
    const Lines original = afterLoad(renderSong(twoChannelSong(), okinawan));
    ASSERT_GT(original.size(), 48u);
    EXPECT_EQ(afterLoad(renderSong(readAll(savedPath), RenderOptions{})), original);
}

TEST_F(PlaySaveWindowTest, IsRefusedWhilePlayingAndAFailedWriteIsReportedAndLeavesNoFile) {
    command(IDM_FILE_OPEN);
    window->saveAs = savedPath;
    SendMessageW(hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(80, 460));  // play
    SendMessageW(hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(80, 460));
    ASSERT_TRUE(timer.running());
    command(IDM_FILE_SAVE_PLAYED);
    EXPECT_TRUE(window->songFoldersAsked.empty());
    EXPECT_EQ(GetFileAttributesW(widen(savedPath).c_str()), INVALID_FILE_ATTRIBUTES);

    SendMessageW(hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, 465));  // stop
    SendMessageW(hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(30, 465));
    pump();
    ASSERT_FALSE(timer.running());

    // A folder stands where the file is to go: the temporary file is written, but cannot take its place.
    const std::string taken = folder + "\\taken.mid";
    ASSERT_TRUE(CreateDirectoryW(widen(taken).c_str(), nullptr));
    window->saveAs = taken;
    command(IDM_FILE_SAVE_PLAYED);
    EXPECT_EQ(window->songFoldersAsked.size(), 1u);
    EXPECT_EQ(window->messages, Lines{"ＭＩＤＩデータの書き込みに失敗しました"});
    Lines entries;
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW(widen(folder + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do entries.push_back(narrow(found.cFileName));
        while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(widen(taken).c_str());
    std::sort(entries.begin(), entries.end());
    EXPECT_EQ(entries, (Lines{".", "..", "taken.mid"}));  // no half-written file beside it
}
