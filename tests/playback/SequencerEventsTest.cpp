// What the sequencer makes of each kind of event: SysEx, meta events, running status, auto-pan.
#include <gtest/gtest.h>

#include "tests/support/PlaybackRig.h"
#include "tests/support/SongBytes.h"

using Lines = std::vector<std::string>;

namespace {
// Plays a song to its end and returns what it sent after the load messages.
Lines play(PlaybackRig& rig, std::vector<uint8_t> image) {
    rig.load(std::move(image));
    const size_t loaded = rig.out.messages().size();
    rig.player.startPlayback();
    rig.runUntilStopped();
    return rig.lines(loaded);
}

Lines withoutStopMessages(Lines lines) {
    lines.resize(lines.size() - 48);
    return lines;
}
}  // namespace

TEST(SequencerEvents, ASysExGoesOutWithItsStatusAndDataAndMarksGmSystemOn) {
    PlaybackRig rig;
    const Lines sent =
        play(rig, SongBytes(1, 480)
                      .track(join({{0x00, 0xF0, 0x05, 0x7E, 0x7F, 0x09, 0x01, 0xF7}, endOfTrack()}))
                      .bytes());
    EXPECT_EQ(withoutStopMessages(sent), (Lines{"0 F0 7E 7F 09 01 F7"}));
    EXPECT_TRUE(rig.sequencer.gmSystemOnSeen());
}

TEST(SequencerEvents, AnF7EventGoesOutWithALeadingF7) {
    PlaybackRig rig;
    const Lines sent =
        play(rig, SongBytes(1, 480).track(join({{0x00, 0xF7, 0x02, 0x43, 0xF7}, endOfTrack()})).bytes());
    EXPECT_EQ(withoutStopMessages(sent), (Lines{"0 F7 43 F7"}));
    EXPECT_FALSE(rig.sequencer.gmSystemOnSeen());
}

TEST(SequencerEvents, ASysExLongerThanTheDeviceBufferIsSkippedWhole) {
    std::vector<uint8_t> data(1100, 0x11);
    data.back() = 0xF7;
    PlaybackRig rig;
    const Lines sent =
        play(rig, SongBytes(1, 480)
                      .track(join({{0x00, 0xF0}, varLen(1100), data, {0x00, 0x90, 60, 1}, endOfTrack()}))
                      .bytes());
    EXPECT_EQ(withoutStopMessages(sent), (Lines{"0 90 3C 01"}));
}

TEST(SequencerEvents, RunningStatusContinuesUntilAMetaEvent) {
    PlaybackRig rig;
    // 90 3C 64, then running status 3E 64; after the text event a bare data byte is not a message: it is
    // read as a delta-time (0x40 = 64 ticks), and the next byte 0x40 is then not an event either.
    const Lines sent = play(rig, SongBytes(1, 480)
                                     .track(join({{0x00, 0x90, 0x3C, 0x64, 0x00, 0x3E, 0x64},
                                                  {0x00, 0xFF, 0x01, 0x01, 'x'},
                                                  {0x00, 0x40, 0x40, 0x00, 0x80, 0x3C, 0x00},
                                                  endOfTrack()}))
                                     .bytes());
    EXPECT_EQ(withoutStopMessages(sent), (Lines{"0 90 3C 64", "0 90 3E 64", "140 80 3C 00"}));
}

TEST(SequencerEvents, ProgramChangeAndChannelPressureCarryOneDataByte) {
    PlaybackRig rig;
    const Lines sent =
        play(rig, SongBytes(1, 480)
                      .track(join({{0x00, 0xC3, 0x05, 0x00, 0x07, 0x00, 0xD3, 0x40}, endOfTrack()}))
                      .bytes());
    EXPECT_EQ(withoutStopMessages(sent), (Lines{"0 C3 05 00", "0 C3 07 00", "0 D3 40 00"}));
}

TEST(SequencerEvents, AStopSilencesEveryChannelSostenutoThenSustainThenNotes) {
    PlaybackRig rig;
    const Lines sent = play(rig, SongBytes(1, 480).track(endOfTrack()).bytes());
    // The track ends in the first tick; the second finds nothing left and the window stops.
    ASSERT_EQ(sent.size(), 48u);
    EXPECT_EQ(sent[0], "10 B0 42 00");
    EXPECT_EQ(sent[15], "10 BF 42 00");
    EXPECT_EQ(sent[16], "10 B0 40 00");
    EXPECT_EQ(sent[32], "10 B0 7B 00");
    EXPECT_EQ(sent[47], "10 BF 7B 00");
}

TEST(SequencerEvents, AutoPanSweepsASoundingChannelAtItsSpeed) {
    PlaybackRig rig;
    rig.controls.autoPanSpeed[2] = 12;  // one step a tick
    rig.controls.restartAutoPan(2);
    rig.load(SongBytes(1, 480).track(join({{0x00, 0x92, 60, 100}, endOfTrack(480)})).bytes());
    rig.out.clear();  // the load messages
    rig.player.startPlayback();
    rig.controls.clearReadouts();
    rig.ticks(3);
    // The rig's filter leaves the read-outs alone, so the channel has not sounded yet: no sweep.
    EXPECT_TRUE(rig.linesOfKind(0xB0).empty());
    rig.controls.channelLevel[2] = 100;
    rig.ticks(3);
    EXPECT_EQ(rig.linesOfKind(0xB0), (Lines{"30 B2 0A 41", "40 B2 0A 42", "50 B2 0A 43"}));
    rig.controls.channelMuted[2] = true;
    rig.ticks(2);
    EXPECT_EQ(rig.linesOfKind(0xB0).size(), 3u);
}

TEST(SequencerEvents, AutoPanTurnsAtTheEndsOfItsRange) {
    PlaybackRig rig;
    rig.controls.autoPanSpeed[0] = 1;  // one step every 12 ticks
    rig.controls.autoPanValue[0] = 126;
    rig.load(SongBytes(1, 480).track(join({{0x00, 0x90, 60, 100}, endOfTrack(4800)})).bytes());
    rig.out.clear();
    rig.player.startPlayback();
    rig.controls.channelLevel[0] = 100;
    rig.ticks(24);
    EXPECT_EQ(rig.linesOfKind(0xB0), (Lines{"110 B0 0A 7E", "230 B0 0A 7D"}));
}
