// Loading, starting and stopping: the device's reset and silence, repeat, song-list modes, the timer.
#include <gtest/gtest.h>

#include "playback/SmfWriter.h"
#include "tests/support/PlaybackRig.h"

namespace {
std::vector<uint8_t> shortSong() {
    return SmfWriter(1, 480).track(join({{0x00, 0x90, 60, 100, 0x30, 0x80, 60, 0}, endOfTrack()})).bytes();
}
}  // namespace

TEST(Player, ALoadResetsEveryChannelThenTheGsModuleAndAStopSilencesSostenutoSustainAndNotes) {
    PlaybackRig rig;
    rig.load(SmfWriter(1, 480).track(endOfTrack()).bytes());
    rig.player.startPlayback();
    rig.runUntilStopped();  // the track ends in the first tick; the second finds nothing left
    std::vector<std::string> expected;
    auto everyChannel = [&expected](int time, int controller) {
        for (int channel = 0; channel < 16; ++channel) {
            char line[32];
            std::snprintf(line, sizeof line, "%d B%X %02X 00", time, channel, controller);
            expected.push_back(line);
        }
    };
    everyChannel(0, 121);
    expected.push_back("0 F0 41 10 42 12 40 00 7F 00 41 F7");
    for (int controller : {66, 64, 123}) everyChannel(10, controller);
    EXPECT_EQ(rig.lines(), expected);
    EXPECT_TRUE(rig.updates.back().stopped);
}

TEST(Player, StartsWithASongAndATimerRepeatsUntilAUserStopAndEndsSongListModesButTheLoop) {
    PlaybackRig rig;
    rig.player.startPlayback();
    EXPECT_EQ(rig.timer.starts, 0);
    rig.load(shortSong());
    rig.timer.failNextStart = true;
    rig.player.startPlayback();
    EXPECT_FALSE(rig.player.playing());
    EXPECT_EQ(rig.timerFailures, 1);

    rig.engine.selection().playOnce = false;
    rig.player.startPlayback();
    rig.tick(200);
    EXPECT_TRUE(rig.player.playing());
    EXPECT_GT(rig.linesOfKind(0x90).size(), 3u);
    rig.player.stopPlayback(Player::userStop);
    EXPECT_FALSE(rig.player.playing());
    EXPECT_TRUE(rig.engine.selection().playOnce);

    // Song-list modes end at the song end, except the loop.
    rig.engine.selection().mode = SongSelection::firstSong;
    rig.player.startPlayback();
    rig.runUntilStopped();
    EXPECT_EQ(rig.engine.selection().mode, SongSelection::noSongList);
    EXPECT_EQ(rig.nextSongListOpens, 0);
    // A tick still running at the stop finds no track left and raises the end flag again: no second stop.
    const size_t stopped = rig.out.messages().size();
    rig.sequencer.onTimer();
    rig.player.onTick();
    EXPECT_EQ(rig.out.messages().size(), stopped);

    rig.engine.selection().mode = SongSelection::loopSongs;
    rig.player.startPlayback();
    rig.tick(8);  // the song ends at the sixth tick; the seventh finds it ended
    EXPECT_EQ(rig.nextSongListOpens, 1);
    EXPECT_TRUE(rig.player.playing());  // the next entry plays at once
    rig.player.stopPlayback(Player::userStop);
    EXPECT_EQ(rig.engine.selection().mode, SongSelection::noSongList);

    // With no entry left that can play, the loop ends rather than stay set with nothing to stop.
    rig.engine.selection().mode = SongSelection::loopSongs;
    rig.nextEntryPlays = false;
    rig.player.startPlayback();
    rig.runUntilStopped();
    EXPECT_FALSE(rig.player.playing());
    EXPECT_EQ(rig.engine.selection().mode, SongSelection::noSongList);
}

TEST(ShortMessageFailures, AreShownOncePerPlaybackAndOnlyForALostOrBusyDevice) {
    ShortMessageFailures failures;
    failures.record(DeviceError::other);  // not reported
    EXPECT_EQ(failures.takeFailure(), std::nullopt);
    failures.record(DeviceError::notReady);
    failures.record(DeviceError::invalidHandle);
    EXPECT_EQ(failures.takeFailure(), DeviceError::notReady);
    failures.record(DeviceError::invalidHandle);
    EXPECT_EQ(failures.takeFailure(), std::nullopt);  // already shown in this playback
    // A failure noted while stopped (a load, a stop) outlives the next start until it is shown.
    failures.record(DeviceError::invalidHandle);
    failures.rearm();
    EXPECT_EQ(failures.takeFailure(), DeviceError::invalidHandle);
}
