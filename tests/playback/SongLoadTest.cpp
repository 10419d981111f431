// Loading a song: the messages that put the device into a known state, the header, the first tempo.
#include <gtest/gtest.h>

#include "tests/support/PlaybackRig.h"
#include "tests/support/SongBytes.h"

using Lines = std::vector<std::string>;

namespace {
std::vector<uint8_t> oneNoteSong(uint32_t micros) {
    return SongBytes(1, 480)
        .track(join({tempoEvent(micros), {0x00, 0x90, 60, 100}, {0x83, 0x60, 0x80, 60, 0}, endOfTrack()}))
        .bytes();
}
}  // namespace

TEST(SongLoad, ResetsEveryChannelThenSendsTheGsResetWhole) {
    PlaybackRig rig;
    rig.load(oneNoteSong(500000));
    Lines expected;
    for (int channel = 0; channel < 16; ++channel) {
        char line[32];
        std::snprintf(line, sizeof line, "0 B%X 79 00", channel);
        expected.push_back(line);
    }
    expected.push_back("0 F0 41 10 42 12 40 00 7F 00 41 F7");
    EXPECT_EQ(rig.lines(), expected);
}

TEST(SongLoad, ReadsFormatTrackCountAndDivisionFromTheHeader) {
    PlaybackRig rig;
    std::vector<uint8_t> image = oneNoteSong(500000);
    image[8] = 0x7F;  // only the low byte of the format counts
    image[9] = 0;
    rig.load(image);
    EXPECT_EQ(rig.song.songFormat(), 0);
    EXPECT_EQ(rig.song.trackCount(), 1);
    EXPECT_EQ(rig.song.division(), 480.0);
}

TEST(SongLoad, TakesTheFirstTempoWhereverItLies) {
    PlaybackRig rig;
    rig.load(SongBytes(1, 96)
                 .track(join({{0x00, 0x90, 60, 100}, endOfTrack(96)}))
                 .track(join({tempoEvent(250000), endOfTrack()}))
                 .bytes());
    EXPECT_DOUBLE_EQ(rig.sequencer.msPerQuarter(), 250.0);
    EXPECT_EQ(rig.sequencer.displayTempo(), 240);
}

TEST(SongLoad, ClampsAFirstTempoAbove400BeatsPerMinute) {
    PlaybackRig rig;
    rig.load(oneNoteSong(100000));  // 600 beats per minute
    EXPECT_EQ(rig.sequencer.displayTempo(), 400);
    EXPECT_DOUBLE_EQ(rig.sequencer.msPerQuarter(), 150.0);

    rig.load(oneNoteSong(150000));  // exactly 400 stays
    EXPECT_EQ(rig.sequencer.displayTempo(), 400);
    EXPECT_DOUBLE_EQ(rig.sequencer.msPerQuarter(), 150.0);

    rig.load(oneNoteSong(0));  // a tempo of 0 is as fast as it gets: clamped too, no division by zero
    EXPECT_EQ(rig.sequencer.displayTempo(), 400);
    EXPECT_DOUBLE_EQ(rig.sequencer.msPerQuarter(), 150.0);
}

TEST(SongLoad, WithoutATempoEventStartsAt120BeatsPerMinute) {
    PlaybackRig rig;
    rig.load(SongBytes(0, 480).track(join({{0x00, 0x90, 60, 100}, endOfTrack(480)})).bytes());
    EXPECT_EQ(rig.sequencer.displayTempo(), 120);
    EXPECT_DOUBLE_EQ(rig.sequencer.msPerQuarter(), 500.0);
}

TEST(SongLoad, CutsTheTrackCountTo255AndPlaysOnlyThose) {
    SongBytes song(1, 480);
    for (int track = 0; track < 256; ++track)
        song.track(join({{0x00, uint8_t(0x90 | (track % 16)), uint8_t(track % 128), 1}, endOfTrack()}));
    song.announceTracks(300);
    PlaybackRig rig;
    rig.load(song.bytes());
    EXPECT_EQ(rig.song.trackCount(), 255);
    rig.player.startPlayback();
    rig.runUntilStopped();
    EXPECT_EQ(rig.linesOfKind(0x90).size(), 255u);
}

TEST(SongLoad, TracksArePreparedFromTheChunkLengths) {
    PlaybackRig rig;
    rig.load(SongBytes(1, 480).track(endOfTrack()).track(endOfTrack()).announceTracks(4).bytes());
    rig.song.prepareTracks();
    EXPECT_EQ(rig.song.trackPosition(0), 22);
    EXPECT_EQ(rig.song.trackPosition(1), 22 + 4 + 8);
    EXPECT_EQ(rig.song.trackPosition(2), 0);  // announced, but not in the file
    EXPECT_EQ(rig.song.trackPosition(3), 0);
}

TEST(VarLenReading, DecodesUpToFourBytesAndStopsAtTheImageEnd) {
    SongBuffer song;
    song.assign({0x00, 0x7F, 0x81, 0x00, 0xFF, 0xFF, 0xFF, 0x7F, 0x81, 0x80});
    EXPECT_EQ(readVarLen(song, 0).value, 0u);
    EXPECT_EQ(readVarLen(song, 1).value, 0x7Fu);
    const VarLen twoBytes = readVarLen(song, 2);
    EXPECT_EQ(twoBytes.value, 0x80u);
    EXPECT_EQ(twoBytes.next, 4);
    EXPECT_EQ(readVarLen(song, 4).value, 0x0FFFFFFFu);
    const VarLen unfinished = readVarLen(song, 8);
    EXPECT_FALSE(unfinished.ok);
    EXPECT_EQ(unfinished.next, 10);
}
