// Starting and stopping: repeat, song-list modes, the timer.
#include <gtest/gtest.h>

#include "tests/support/PlaybackRig.h"
#include "tests/support/SongBytes.h"

namespace {
std::vector<uint8_t> shortSong() {
    return SongBytes(1, 480).track(join({{0x00, 0x90, 60, 100, 0x30, 0x80, 60, 0}, endOfTrack()})).bytes();
}
}  // namespace

TEST(Player, ASongPlayedOnceStopsAtItsEnd) {
    PlaybackRig rig;
    rig.load(shortSong());
    rig.player.startPlayback();
    EXPECT_TRUE(rig.player.playing());
    EXPECT_EQ(rig.timer.periodMs(), 10);
    const int ticks = rig.runUntilStopped();
    EXPECT_LT(ticks, 20);
    EXPECT_FALSE(rig.player.playing());
    EXPECT_FALSE(rig.timer.running());
    EXPECT_TRUE(rig.updates.back().stopped);
}

TEST(Player, ASongThatEndsWithoutPlayOnceStartsAgainAndAUserStopEndsRepeating) {
    PlaybackRig rig;
    rig.player.playOnce = false;
    rig.load(shortSong());
    rig.player.startPlayback();
    rig.ticks(200);
    EXPECT_TRUE(rig.player.playing());
    EXPECT_GT(rig.timer.starts, 3);
    EXPECT_GT(rig.linesOfKind(0x90).size(), 3u);
    rig.player.stopPlayback(Player::userStop);
    EXPECT_FALSE(rig.player.playing());
    EXPECT_TRUE(rig.player.playOnce);
}

TEST(Player, SongListModesEndAtTheSongEndExceptTheLoop) {
    PlaybackRig rig;
    rig.load(shortSong());
    rig.player.songListMode = Player::firstSong;
    rig.player.startPlayback();
    rig.runUntilStopped();
    EXPECT_EQ(rig.player.songListMode, Player::noSongList);
    EXPECT_EQ(rig.nextSongListOpens, 0);

    rig.player.songListMode = Player::loopSongs;
    rig.player.startPlayback();
    rig.ticks(8);  // the song ends at the sixth tick; the seventh finds it ended
    EXPECT_EQ(rig.nextSongListOpens, 1);
    EXPECT_TRUE(rig.player.playing());  // the next entry plays at once
    rig.player.stopPlayback(Player::userStop);
    EXPECT_EQ(rig.player.songListMode, Player::noSongList);
}

TEST(Player, AFailedTimerLeavesPlaybackStoppedAndTellsTheWindow) {
    PlaybackRig rig;
    rig.load(shortSong());
    rig.timer.failNextStart = true;
    rig.player.startPlayback();
    EXPECT_FALSE(rig.player.playing());
    EXPECT_EQ(rig.timerFailures, 1);
}

TEST(Player, NothingStartsWithoutASong) {
    PlaybackRig rig;
    rig.player.startPlayback();
    EXPECT_FALSE(rig.player.playing());
    EXPECT_EQ(rig.timer.starts, 0);
}

TEST(Player, ASongThatEndsWhileCueingResumesAtTheDisplayedTempo) {
    PlaybackRig rig;
    rig.load(SongBytes(1, 480).track(join({tempoEvent(600000), endOfTrack(96)})).bytes());
    rig.player.startPlayback();
    rig.sequencer.pressFastForward();
    rig.runUntilStopped();
    EXPECT_FALSE(rig.sequencer.fastForwarding());
    EXPECT_DOUBLE_EQ(rig.sequencer.msPerQuarter(), 600.0);
}

TEST(ShortMessageFailures, AreShownOncePerPlaybackWithTheirText) {
    ShortMessageFailures failures;
    EXPECT_EQ(failures.takeMessage(), "");
    failures.record(67);
    failures.record(5);
    EXPECT_EQ(failures.takeMessage(), "ハードウェアはほかのデータ処理を行っています");
    failures.record(5);
    EXPECT_EQ(failures.takeMessage(), "");  // already shown in this playback
    failures.rearm();
    failures.record(2);  // not a reported code
    EXPECT_EQ(failures.takeMessage(), "");
    failures.record(5);
    EXPECT_EQ(failures.takeMessage(), "指定されたデバイスハンドルが無効です");
}
