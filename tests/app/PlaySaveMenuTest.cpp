// "演奏を保存": when it asks for a file, where, and what becomes of the answer.
#include <gtest/gtest.h>

#include "app/PlaySaveMenu.h"
#include "app/PlayedSong.h"
#include "playback/SilentMidiOut.h"
#include "playback/SmfWriter.h"
#include "resources/CommandIds.h"
#include "tests/support/VirtualPlayer.h"

namespace {
class ScriptedSaving : public PlaySavePort, public WindowPort {
  public:
    std::optional<std::string> choosePlayedSongFile(const std::string& folder,
                                                    const std::string& filter) override {
        askedIn.push_back(folder);
        lastFilter = filter;
        return answer;
    }
    bool writeWholeFile(const std::string& path, const std::vector<uint8_t>& bytes) override {
        writtenPath = path;
        written = bytes;
        return writable;
    }
    void showMessage(const std::string& text) override { messages.push_back(text); }
    void setTitle(const std::string&) override {}
    void setWaitCursor(bool waiting) override { waitCursor = waiting; }
    void postClose() override {}
    void resizeForView(bool) override {}
    void invalidateFace() override {}
    void invalidate(const face::Rect&) override {}

    std::optional<std::string> answer = std::string("C:\\songs\\played.mid");
    bool writable = true;
    std::vector<std::string> askedIn;
    std::string lastFilter;
    std::string writtenPath;
    std::vector<uint8_t> written;
    std::vector<std::string> messages;
    bool waitCursor = false;
};

class PlaySaveMenuTest : public testing::Test {
  protected:
    PlaySaveMenuTest() {
        settings.readDir = "C:\\songs";
        player.engine.loadSong(
            SmfWriter(0, 480)
                .track({0x00, 0x90, 0x3C, 0x64, 0x83, 0x60, 0x80, 0x3C, 0x00, 0x00, 0xFF, 0x2F, 0x00})
                .bytes());
        face.songLoaded = true;
    }
    void save() { menu.run(IDM_FILE_SAVE_PLAYED); }

    VirtualPlayer<SilentMidiOut> player;
    FaceState face;
    Settings settings;
    ScriptedSaving port;
    PlaySaveMenu menu{player.engine, face, settings, port, port};
};
}  // namespace

TEST_F(PlaySaveMenuTest, AsksInTheSongFolderAndWritesTheSongAsPlayed) {
    EXPECT_TRUE(menu.handles(IDM_FILE_SAVE_PLAYED));
    EXPECT_FALSE(menu.handles(IDM_HISTORY_CLEAR));
    player.effect.type = EffectType::folk;
    save();
    EXPECT_EQ(port.askedIn, std::vector<std::string>{"C:\\songs"});
    EXPECT_EQ(port.lastFilter, "ＭＩＤＩファイル(*.mid)|*.mid|");
    EXPECT_EQ(port.writtenPath, "C:\\songs\\played.mid");
    EXPECT_EQ(port.written, playedSongAsSmf(player.engine));
    EXPECT_TRUE(port.messages.empty());
    EXPECT_FALSE(port.waitCursor);
}

TEST_F(PlaySaveMenuTest, AFailedWriteIsReported) {
    port.writable = false;
    save();
    EXPECT_FALSE(port.written.empty());
    EXPECT_EQ(port.messages, std::vector<std::string>{"ＭＩＤＩデータの書き込みに失敗しました"});
    EXPECT_FALSE(port.waitCursor);
}

TEST_F(PlaySaveMenuTest, IsIgnoredWhilePlayingOrWithNoSongAndACancelWritesNothing) {
    player.player.startPlayback();
    save();
    player.player.stopPlayback(Player::userStop);
    face.songLoaded = false;
    save();
    EXPECT_TRUE(port.askedIn.empty());

    face.songLoaded = true;
    for (const std::optional<std::string>& cancelled :
         {std::optional<std::string>(), std::optional<std::string>("")}) {
        port.answer = cancelled;
        save();
    }
    EXPECT_EQ(port.askedIn.size(), 2u);
    EXPECT_TRUE(port.writtenPath.empty());
    EXPECT_TRUE(port.messages.empty());
}
