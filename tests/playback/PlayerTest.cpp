// Loading, starting and stopping: the header and the first tempo, the device's reset and silence, repeat,
// song-list modes, the timer.
#include <gtest/gtest.h>

#include "playback/SmfWriter.h"
#include "tests/support/Golden.h"
#include "tests/support/PlaybackRig.h"

namespace {
std::vector<uint8_t> shortSong() {
    return SmfWriter(1, 480).track(join({{0x00, 0x90, 60, 100, 0x30, 0x80, 60, 0}, endOfTrack()})).bytes();
}
}  // namespace

TEST(Player, ALoadResetsEveryChannelThenTheGsModuleAndAStopSilencesSostenutoSustainAndNotes) {
    PlaybackRig rig;
    rig.play(SmfWriter(1, 480).track(endOfTrack()).bytes());
    rig.runUntilStopped();  // the track ends in the first tick; the second finds nothing left
    std::string sent;
    for (const std::string& line : rig.lines()) sent += line + "\n";
    expectGolden("load-and-stop-messages.txt", sent);
    EXPECT_TRUE(rig.updates.back().stopped);
}

TEST(Player, StartsWithASongAndATimerRepeatsUntilAUserStopAndEndsSongListModesButTheLoop) {
    PlaybackRig rig;
    rig.player.startPlayback();
    EXPECT_EQ(rig.timer.starts, 0);
    rig.load(shortSong());
    rig.timer.failNextStart = true;
    rig.player.startPlayback();
    EXPECT_EQ(std::pair(rig.player.playing(), rig.timerFailures), std::pair(false, 1));

    rig.engine.selection().playOnce = false;
    rig.player.startPlayback();
    rig.tick(200);
    ASSERT_FALSE(rig.updates.empty() || rig.playDrawn.empty());
    EXPECT_TRUE(rig.player.playing() && !rig.updates.back().stopped && rig.playDrawn.back()) << "play lit";
    EXPECT_GT(rig.linesOfKind(0x90).size(), 3u);
    rig.player.stopPlayback(Player::userStop);
    EXPECT_TRUE(!rig.player.playing() && !rig.playDrawn.back() && rig.engine.selection().playOnce);
    const auto& levels = rig.controls.channelLevel;  // the sounded channel's falls, the silent one's stays
    EXPECT_EQ(std::pair(int(levels[0]), int(levels[1])), std::pair(0, int(LiveControls::notSounded)));

    // Song-list modes end at the song end, except the loop.
    rig.engine.selection().mode = SongSelection::firstSong;
    rig.player.startPlayback();
    rig.runUntilStopped();
    EXPECT_EQ(std::pair(rig.engine.selection().mode, rig.nextSongListOpens),
              std::pair(int(SongSelection::noSongList), 0));

    for (const bool plays : {true, false}) {  // the next entry plays at once; one that does not ends the loop
        rig.nextEntryPlays = plays;
        rig.engine.selection().mode = SongSelection::loopSongs;
        rig.player.startPlayback();
        rig.tick(8);  // the song ends at the sixth tick; the seventh finds it ended
        EXPECT_EQ(
            std::tuple(rig.nextSongListOpens, rig.player.playing(), rig.engine.selection().mode),
            std::tuple(plays ? 1 : 2, plays, plays ? SongSelection::loopSongs : SongSelection::noSongList));
        rig.player.stopPlayback(Player::userStop);
        EXPECT_EQ(rig.engine.selection().mode, SongSelection::noSongList);
    }

    // A jump sends the song's system exclusive again after the module's reset; the time read-out starts again
    // with the next song loaded, before it plays.
    const uint8_t part[] = {0xF0, 0x41, 0x10, 0x42, 0x12, 0x40, 0x1A, 0x15, 0x02, 0x0F, 0xF7};
    rig.play(SmfWriter(1, 480).track(SmfTrack().sysEx(0, part, sizeof part).endOfTrack(3 * 960)).bytes());
    rig.tick(250);
    rig.timer.failNextStart = true;  // a jump starts the timer again, which may refuse as well
    EXPECT_TRUE(rig.player.jumpTo(1));
    int partsSent = 0;
    for (const std::string& line : rig.lines())
        partsSent += line.substr(line.find(' ') + 1) == "F0 41 10 42 12 40 1A 15 02 0F F7";
    EXPECT_EQ(partsSent, 2) << "as played, then again after the jump";
    EXPECT_EQ(std::pair(rig.player.playing(), rig.timerFailures), std::pair(false, 2));
    rig.load(shortSong());
    EXPECT_EQ(rig.engine.clock().playSeconds.load(), 0);
}

TEST(SongLoad, ReadsTheLowFormatByteAndTheFirstTempoUpTo400BeatsPerMinuteAndPlaysAtMost255Tracks) {
    SmfWriter song(1, 96);
    for (int track = 0; track < 256; ++track)
        song.track(join({{0x00, uint8_t(0x90 | (track % 16)), uint8_t(track % 128), 1}, endOfTrack()}));
    std::vector<uint8_t> image = song.announceTracks(300).bytes();
    image[8] = 0x7F, image[9] = 0;  // only the low byte of the format counts
    PlaybackRig rig;
    rig.load(image);
    EXPECT_EQ(std::tuple(int(rig.song.songFormat()), rig.song.trackCount(), rig.song.division()),
              std::tuple(0, 255, 96.0));
    rig.player.startPlayback();
    rig.runUntilStopped();
    EXPECT_EQ(rig.linesOfKind(0x90).size(), 255u);

    // The first tempo anywhere in the file, one cut off by its end read as 0, clamped to 400 beats a minute.
    const struct {
        std::vector<uint8_t> tempo;
        int bpm;
        double msPerQuarter;
    } cases[] = {{tempoEvent(100000), 400, 150.0},  // 600 beats per minute
                 {{0xFF, 0x51}, 400, 150.0},
                 {tempoEvent(149700), 400, 149.7},    // 400.8 beats a minute: shown 400, played as it is
                 {tempoEvent(397351), 150, 397.351},  // 150.99999 beats a minute, shown whole
                 {{}, 120, 500.0}};
    for (const auto& c : cases) {
        rig.load(SmfWriter(0, 480).track(join({{0x00, 0x90, 60, 100}, endOfTrack(), c.tempo})).bytes());
        EXPECT_EQ(rig.sequencer.displayTempo(), c.bpm) << c.bpm;
        EXPECT_DOUBLE_EQ(rig.sequencer.msPerQuarter(), c.msPerQuarter) << c.msPerQuarter;
    }
}
