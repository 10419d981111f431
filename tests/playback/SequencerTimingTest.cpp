// When the sequencer plays each event: due times, tempo changes, fast forward, the clock.
#include <gtest/gtest.h>

#include "tests/support/PlaybackRig.h"
#include "tests/support/SongBytes.h"

using Lines = std::vector<std::string>;

namespace {
constexpr uint8_t noteOn = 0x90, noteOff = 0x80;

// Plays a song to its end with "一度だけ" set and returns the note messages it sent.
Lines playNotes(PlaybackRig& rig, std::vector<uint8_t> image) {
    rig.load(std::move(image));
    rig.player.startPlayback();
    rig.runUntilStopped();
    Lines notes = rig.linesOfKind(noteOn);
    const Lines offs = rig.linesOfKind(noteOff);
    notes.insert(notes.end(), offs.begin(), offs.end());
    return notes;
}
}  // namespace

TEST(SequencerTiming, AQuarterAt500MsAnd480TicksFallsDueAfter500Ms) {
    PlaybackRig rig;
    const Lines notes = playNotes(
        rig, SongBytes(1, 480)
                 .track(join(
                     {tempoEvent(500000), {0x00, noteOn, 60, 100, 0x83, 0x60, noteOff, 60, 0}, endOfTrack()}))
                 .bytes());
    EXPECT_EQ(notes, (Lines{"0 90 3C 64", "500 80 3C 00"}));
}

TEST(SequencerTiming, AnEventBetweenTicksSoundsAtTheNextTickNeverEarlier) {
    PlaybackRig rig;
    // 100 ticks at 500 ms per quarter and 480 ticks per quarter: 104.17 ms.
    const Lines notes = playNotes(
        rig,
        SongBytes(1, 480).track(join({{0x64, noteOn, 60, 100, 0x00, noteOff, 60, 0}, endOfTrack()})).bytes());
    EXPECT_EQ(notes, (Lines{"110 90 3C 64", "110 80 3C 00"}));
}

TEST(SequencerTiming, ATempoChangeStretchesOnlyTheRemainingWaitOfEveryTrack) {
    PlaybackRig rig;
    // Track 1 waits a quarter (500 ms); halfway, track 0 doubles the tempo: the remaining 250 ms
    // become 125, so the note-off falls due at 375 ms and sounds at the tick starting at 380.
    const Lines notes =
        playNotes(rig, SongBytes(1, 480)
                           .track(join({tempoEvent(500000), tempoEvent(250000, 240), endOfTrack()}))
                           .track(join({{0x00, noteOn, 60, 100, 0x83, 0x60, noteOff, 60, 0}, endOfTrack()}))
                           .bytes());
    EXPECT_EQ(notes, (Lines{"0 90 3C 64", "380 80 3C 00"}));
    EXPECT_DOUBLE_EQ(rig.sequencer.msPerQuarter(), 250.0);
}

TEST(SequencerTiming, TheTempoTakenAtLoadIsSkippedOnceAndLaterTemposApply) {
    PlaybackRig rig;
    // The first FF 51 lies in the second track. At load it sets 250 ms; when played it is skipped, so the
    // tempo still reads 250 ms after it, and the second tempo event applies.
    rig.load(SongBytes(1, 480)
                 .track(join({{0x00, noteOn, 60, 100}, endOfTrack(960)}))
                 .track(join({tempoEvent(250000), tempoEvent(1000000, 480), endOfTrack()}))
                 .bytes());
    rig.player.startPlayback();
    rig.tick();
    EXPECT_DOUBLE_EQ(rig.sequencer.msPerQuarter(), 250.0);
    rig.runUntilStopped();
    EXPECT_DOUBLE_EQ(rig.sequencer.msPerQuarter(), 1000.0);
}

TEST(SequencerTiming, ASongTempoChangeUpdatesTheTempoReadoutOnTheNextTick) {
    PlaybackRig rig;
    rig.load(SongBytes(1, 480)
                 .track(join({tempoEvent(500000), tempoEvent(600000, 480), endOfTrack(480)}))
                 .bytes());
    rig.player.startPlayback();
    rig.ticks(52);
    bool redrawn = false;
    for (const TickUpdate& update : rig.updates)
        if (update.redraw.tempoRedraw) redrawn = update.redraw.displayTempo == 100;
    EXPECT_TRUE(redrawn);
    EXPECT_EQ(rig.sequencer.displayTempo(), 100);
}

TEST(SequencerTiming, FastForwardPlaysAt150MsAndResumesAtTheDisplayedTempo) {
    PlaybackRig rig;
    // 125 beats per minute (480 ms per quarter), shown as 125: on release the song resumes at
    // 60000 / 125 = 480 ms.
    rig.load(SongBytes(1, 480)
                 .track(join({tempoEvent(480000), {0x00, noteOn, 60, 100}, endOfTrack(4800)}))
                 .bytes());
    rig.player.startPlayback();
    rig.tick();
    rig.sequencer.pressFastForward();
    EXPECT_DOUBLE_EQ(rig.sequencer.msPerQuarter(), 150.0);
    EXPECT_TRUE(rig.sequencer.fastForwarding());
    rig.sequencer.pressFastForward();  // a second press while cueing changes nothing
    rig.ticks(10);
    rig.sequencer.releaseFastForward();
    EXPECT_DOUBLE_EQ(rig.sequencer.msPerQuarter(), 480.0);
    EXPECT_FALSE(rig.sequencer.fastForwarding());
    EXPECT_EQ(rig.sequencer.displayTempo(), 125);
}

TEST(SequencerTiming, ATempoEventDuringFastForwardWaitsUntilRelease) {
    PlaybackRig rig;
    rig.load(SongBytes(1, 480)
                 .track(join(
                     {tempoEvent(500000), tempoEvent(400000, 48), {0x00, noteOn, 60, 100}, endOfTrack(4800)}))
                 .bytes());
    rig.player.startPlayback();
    rig.sequencer.pressFastForward();
    rig.ticks(20);  // the second tempo event has been read
    EXPECT_DOUBLE_EQ(rig.sequencer.msPerQuarter(), 150.0);
    rig.sequencer.releaseFastForward();
    EXPECT_DOUBLE_EQ(rig.sequencer.msPerQuarter(), 400.0);
    rig.tick();
    EXPECT_EQ(rig.sequencer.displayTempo(), 150);  // the window shows the song's new tempo
}

TEST(SequencerTiming, FastForwardDoesNothingAt250BeatsPerMinuteOrMore) {
    PlaybackRig rig;
    rig.load(SongBytes(1, 480).track(join({tempoEvent(240000), endOfTrack(4800)})).bytes());
    rig.player.startPlayback();
    rig.sequencer.pressFastForward();
    EXPECT_FALSE(rig.sequencer.fastForwarding());
    EXPECT_DOUBLE_EQ(rig.sequencer.msPerQuarter(), 240.0);
}

TEST(SequencerTiming, TheClockShows0059OneTickBeforeOneMinute) {
    PlaybackRig rig;
    rig.load(SongBytes(1, 480).track(join({{0x00, noteOn, 60, 100}, endOfTrack(480 * 200)})).bytes());
    rig.player.startPlayback();
    rig.ticks(5999);
    EXPECT_EQ(rig.sequencer.clockMinutes(), 0);
    EXPECT_EQ(rig.sequencer.clockSeconds(), 59);
    EXPECT_EQ(rig.sequencer.playSeconds().load(), 59);
    rig.tick();
    EXPECT_EQ(rig.sequencer.clockMinutes(), 1);
    EXPECT_EQ(rig.sequencer.clockSeconds(), 0);
    const TickReport last = rig.updates.back().redraw;
    EXPECT_TRUE(last.clockRedraw);
    EXPECT_EQ(last.clockMinutes, 1);
    EXPECT_EQ(last.clockSeconds, 0);
}

TEST(SequencerTiming, TheFirstTickRedrawsTheClockAndEveryTickTheMeters) {
    PlaybackRig rig;
    rig.load(SongBytes(1, 480).track(join({{0x00, noteOn, 60, 100}, endOfTrack(960)})).bytes());
    rig.player.startPlayback();
    rig.ticks(3);
    ASSERT_EQ(rig.updates.size(), 3u);
    EXPECT_TRUE(rig.updates[0].redraw.clockRedraw);
    EXPECT_FALSE(rig.updates[1].redraw.clockRedraw);
    EXPECT_TRUE(rig.updates[2].redraw.metersLive);
}
