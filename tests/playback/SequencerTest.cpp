// When and how the sequencer plays each event: due times, tempo changes, running
// status and the auto-pan sweep (the SysEx edges are the SysEx tests').
#include <gtest/gtest.h>

#include "playback/SmfWriter.h"
#include "tests/support/PlaybackRig.h"
#include "tests/support/Steps.h"

namespace {
constexpr uint8_t on = 0x90, off = 0x80;

// A format 1 song at 480 ticks a quarter; each track is ended after its pieces.
std::vector<uint8_t> song(std::initializer_list<std::vector<uint8_t>> tracks) {
    SmfWriter bytes(1, 480);
    for (const auto& events : tracks) bytes.track(join({events, endOfTrack()}));
    return bytes.bytes();
}

// Plays a song once to its end; returns what it sent after the load messages, without the 48 stop messages.
Lines played(PlaybackRig& rig, std::vector<uint8_t> image) {
    rig.load(std::move(image));
    const size_t loaded = rig.out.messages().size();
    rig.player.startPlayback();
    rig.runUntilStopped();
    Lines lines = rig.lines(loaded);
    lines.resize(lines.size() < 48 ? 0 : lines.size() - 48);
    return lines;
}
}  // namespace

TEST(Sequencer, PlaysEachEventAtTheFirstTickItIsDueAsTheDeviceExpectsIt) {
    const std::tuple<const char*, std::vector<uint8_t>, const char*> cases[] = {
        {"a quarter at 500 ms and 480 ticks (written with a needless leading byte) falls due after 500 ms",
         song({join({tempoEvent(500000), {0x00, on, 60, 100, 0x80, 0x83, 0x60, off, 60, 0}})}),
         "0 90 3C 64; 500 80 3C 00"},
        {"halfway through a 500 ms wait the tempo doubles: the other 250 ms become 125",
         song({join({tempoEvent(500000), tempoEvent(250000, 240)}),
               {0x00, on, 60, 100, 0x83, 0x60, off, 60, 0}}),
         "0 90 3C 64; 380 80 3C 00"},
        // After the text event the bare 0x40 is read as a delta (64 ticks), and the next 0x40 as none.
        {"running status ends at a meta event",
         song({{0x00, on, 0x3C, 0x64, 0x00, 0x3E, 0x64, 0x00, 0xFF, 0x01, 0x01, 'x', 0x00, 0x40, 0x40, 0x00,
                off, 0x3C, 0x00}}),
         "0 90 3C 64; 0 90 3E 64; 140 80 3C 00"},
        {"and at a SysEx",
         song({{0x00, on, 0x3C, 0x64, 0x00, 0xF0, 0x01, 0xF7, 0x00, 0x40, 0x40, 0x00, off, 0x3C, 0x00}}),
         "0 90 3C 64; 0 F0 F7; 140 80 3C 00"},
        {"a SysEx that ends the file is sent", SmfWriter(1, 480).track({0x00, 0xF0, 0x01, 0xF7}).bytes(),
         "0 F0 F7"},
        {"one cut short by the end of the file is not",
         SmfWriter(1, 480).track({0x00, 0xF0, 0x02, 0x7E}).bytes(), ""},
        {"a tempo cut short by the end of the file is not applied",
         SmfWriter(1, 480)
             .track(join({tempoEvent(500000), {0x00, on, 60, 1, 0x83, 0x60, off, 60, 0}, endOfTrack()}))
             .track({0x00, 0xFF, 0x51, 0x03, 0x07})
             .bytes(),
         "0 90 3C 01; 500 80 3C 00"},
        {"a message cut short by the end of the file is not sent",
         SmfWriter(1, 480).track({0x00, on, 0x3C}).bytes(), ""},
        {"program change and channel pressure carry one data byte",
         song({{0x00, 0xC3, 0x05, 0x00, 0x07, 0x00, 0xD3, 0x40}}), "0 C3 05 00; 0 C3 07 00; 0 D3 40 00"},
    };
    for (const auto& [behaviour, image, sent] : cases) {
        PlaybackRig rig;
        EXPECT_EQ(played(rig, image), steps(sent)) << behaviour;
    }
}

TEST(Sequencer, TheFirstTempoIsNotAppliedAgainWhereverItLiesNorAfterAJumpBack) {
    // Loaded at 150 ms a quarter (600 beats a minute, clamped) from the second track. In the tick at 150 ms
    // the tempo becomes 1000 ms; the first track has already stepped to 160 ms, so the note-off's remaining
    // 140 ms become 933.
    const std::vector<uint8_t> image = song(
        {{0x00, on, 60, 100, 0x87, 0x40, off, 60, 0}, join({tempoEvent(100000), tempoEvent(1000000, 480)})});
    PlaybackRig rig;
    EXPECT_EQ(played(rig, image), (Lines{"0 90 3C 64", "1100 80 3C 00"}));
    EXPECT_EQ(rig.sequencer.displayTempo(), 60) << "the read-out follows the song";
    // At 200 ms, past the change, back to the start, whose tempo the read-out shows again; at 200 ms again to
    // 1 s, which is played again from the start.
    PlaybackRig jumping;
    jumping.play(image);
    jumping.tick(20);
    ASSERT_TRUE(jumping.player.jumpTo(0));
    jumping.tick();
    const TickReport& shown = jumping.updates.back().redraw;
    EXPECT_EQ(std::tuple(shown.tempoRedraw, shown.displayTempo, shown.clockRedraw),
              std::tuple(true, 400, true))
        << "the tempo and the time jumped to";
    jumping.tick(19);
    ASSERT_TRUE(jumping.player.jumpTo(1));
    jumping.runUntilStopped();
    EXPECT_EQ(jumping.linesOfKind(off), (Lines{"500 80 3C 00"}));
}

TEST(Sequencer, AutoPanSweepsASoundingUnmutedChannelAtItsSpeed) {
    PlaybackRig rig;
    // Both notes sound in the fourth period (28 ticks are 29.2 ms).
    rig.load(song({join({{28, 0x92, 60, 100}, endOfTrack(480 * 200)}),
                   join({{28, on, 60, 100}, endOfTrack(480 * 200)})}));
    rig.autoPan.setSpeed(2, 12);  // one step a tick
    rig.autoPan.setSpeed(0, 1);   // one step every 12 ticks
    rig.autoPan.value[0] = 126;
    rig.out.clear();
    rig.player.startPlayback();
    rig.tick(6);  // no sweep before then: no channel has sounded
    rig.controls.channelMuted[2] = true;
    rig.tick(21);
    EXPECT_EQ(rig.linesOfKind(0xB0),
              (Lines{"30 B2 0A 41", "40 B2 0A 42", "50 B2 0A 43", "140 B0 0A 7E", "260 B0 0A 7D"}));
}

// Fast forward plays 150 ms a quarter, only below a shown tempo of 250, and its release goes back to the
// shown tempo.
TEST(Sequencer, FastForwardWorksBelowTempo250AndItsReleaseRestoresTheShownTempo) {
    for (const auto& [tempo, taken] : {std::pair{100, true}, {249, true}, {250, false}, {400, false}}) {
        PlaybackRig rig;
        rig.load(song({{0x00, on, 60, 100}}));
        rig.sequencer.setDisplayTempo(tempo);
        EXPECT_EQ(rig.sequencer.pressFastForward(), taken) << tempo;
        EXPECT_FALSE(rig.sequencer.pressFastForward()) << "held already, or refused again";
        EXPECT_EQ(rig.sequencer.fastForwarding(), taken);
        EXPECT_DOUBLE_EQ(rig.sequencer.msPerQuarter(), taken ? 150.0 : 500.0);
        rig.sequencer.releaseFastForward();
        EXPECT_FALSE(rig.sequencer.fastForwarding());
        EXPECT_DOUBLE_EQ(rig.sequencer.msPerQuarter(), taken ? 60000.0 / tempo : 500.0) << tempo;
    }
}

TEST(Sequencer, ShowsTheTempoAndClockItPlaysAndFastForwardEndsOnTheShownTempoAndAtAStart) {
    PlaybackRig rig;
    // 2069 ms a quarter is 28.999 beats a minute, shown as 28; it falls due in the fast 150 ms.
    rig.load(song(
        {join({tempoEvent(500000), tempoEvent(2069000, 480)}), join({{0, on, 60, 1}, endOfTrack(480000)})}));
    rig.sequencer.setTempo(false, 400.0);  // never shown: the play start forgets it
    rig.player.startPlayback();
    ASSERT_TRUE(rig.sequencer.pressFastForward());
    rig.tick(20);
    ASSERT_FALSE(rig.updates.empty());
    const TickReport& first = rig.updates.front().redraw;
    EXPECT_EQ(std::tuple(first.metersLive, first.tempoRedraw, first.clockRedraw),
              std::tuple(true, false, true))
        << "the meters are live and the clock shows 0:00 from the start";
    rig.sequencer.releaseFastForward();
    EXPECT_DOUBLE_EQ(rig.sequencer.msPerQuarter(), 2069.0) << "the change met while held";
    rig.tick();
    EXPECT_EQ(std::pair(rig.updates.back().redraw.tempoRedraw, rig.updates.back().redraw.displayTempo),
              std::pair(true, 28));
    rig.tick();
    EXPECT_FALSE(rig.updates.back().redraw.tempoRedraw || rig.updates.back().redraw.clockRedraw)
        << "shown once";
    ASSERT_TRUE(rig.sequencer.pressFastForward());
    rig.sequencer.releaseFastForward();
    EXPECT_DOUBLE_EQ(rig.sequencer.msPerQuarter(), 60000.0 / 28) << "the shown tempo, not that change again";

    ASSERT_TRUE(rig.sequencer.pressFastForward());
    rig.player.stopPlayback(Player::userStop);
    rig.player.startPlayback();
    EXPECT_FALSE(rig.sequencer.fastForwarding());
    for (const auto& [periods, minutes, seconds] : {std::tuple{5900, 0, 59}, {100, 1, 0}}) {
        rig.tick(periods);
        const auto& shown = rig.updates.back().redraw;
        EXPECT_EQ(std::pair(shown.clockMinutes, shown.clockSeconds), std::pair(minutes, seconds));
    }
    ASSERT_TRUE(rig.player.jumpTo(61));
    EXPECT_EQ(std::pair(rig.sequencer.clockMinutes(), rig.sequencer.clockSeconds()), std::pair(1, 1));
    EXPECT_EQ(std::pair(rig.sequencer.idlePeriods(100), rig.sequencer.idlePeriods(0)), std::pair(100L, 0L))
        << "the note is held for minutes: nothing to do";
    rig.timer.tick();  // the jump's new tempo told, and the window's tick still to come when the user stops
    rig.player.stopPlayback(Player::userStop);
    const TickReport late = rig.player.onTick().redraw;
    EXPECT_FALSE(late.metersLive || late.tempoRedraw || late.clockRedraw)
        << "a tick posted before the stop redraws nothing";

    rig.player.startPlayback();
    ASSERT_TRUE(rig.sequencer.pressFastForward());
    rig.runUntilStopped();
    EXPECT_FALSE(rig.sequencer.fastForwarding()) << "a song that ends while cueing ends it";
    EXPECT_EQ(rig.fastForwardDrawn, std::vector<bool>{false}) << "and shows the button released";
    EXPECT_DOUBLE_EQ(rig.sequencer.msPerQuarter(), 60000.0 / 28) << "the next play starts at the shown tempo";
}
