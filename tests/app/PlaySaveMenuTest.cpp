// "演奏を保存": when it asks for a file, where, and what becomes of the answer.
#include <gtest/gtest.h>

#include "app/Messages.h"
#include "app/PlaySaveMenu.h"
#include "app/PlayedSong.h"
#include "playback/SilentMidiOut.h"
#include "playback/SmfWriter.h"
#include "resources/CommandIds.h"
#include "tests/support/ScriptedPlatform.h"
#include "tests/support/VirtualPlayer.h"

namespace {

class PlaySaveMenuTest : public testing::Test {
  protected:
    PlaySaveMenuTest() {
        settings.readDir = "C:\\songs";
        player.load(
            SmfWriter(0, 480).track(SmfTrack().shortMessage(0, 0x90, 60, 100).endOfTrack(480)).bytes());
        face.songLoaded = true;
        port.saveChoice = "C:\\songs\\played.mid";
    }
    void save() { menu.run(IDM_FILE_SAVE_PLAYED); }

    VirtualPlayer<SilentMidiOut> player;
    FaceState face;
    Settings settings;
    ScriptedPlatform port;
    PlaySaveMenu menu{player.engine, face, settings, port, port, port};
};
}  // namespace

TEST_F(PlaySaveMenuTest, IsIgnoredWhilePlayingOrWithNoSongAndACancelWritesNothing) {
    player.player.startPlayback();
    save();
    player.player.stopPlayback(Player::userStop);
    face.songLoaded = false;
    save();
    EXPECT_TRUE(port.saveFolders.empty() && !menu.state(IDM_FILE_SAVE_PLAYED).enabled);
    EXPECT_TRUE(menu.handles(IDM_FILE_SAVE_PLAYED) && !menu.handles(IDM_FILE_OPEN)) << "its own command only";

    face.songLoaded = true;
    port.saveChoice = "";
    save();
    EXPECT_TRUE(port.saveFolders.size() == 1 && port.files.empty());
}

TEST_F(PlaySaveMenuTest, AFailedWriteSaysSoAndAWholeOneSaysNothing) {
    save();
    EXPECT_EQ(port.files.at(*port.saveChoice).bytes, playedSongAsSmf(player.engine));
    EXPECT_TRUE(port.messages.empty() && port.waitCursorShows == 1 && !port.waitCursor) << "written waiting";
    port.writeSucceeds = false;
    save();
    EXPECT_EQ(port.messages, Lines{playedSongWriteFailedText});
}
