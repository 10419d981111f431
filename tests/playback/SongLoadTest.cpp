// Loading a song: the header, the first tempo, and the variable-length numbers the tracks are made of.
#include <gtest/gtest.h>

#include "tests/support/PlaybackRig.h"
#include "tests/support/SongBytes.h"

TEST(SongLoad, ReadsTheLowFormatByteAndPlaysAtMost255Tracks) {
    SongBytes song(1, 96);
    for (int track = 0; track < 256; ++track)
        song.track(join({{0x00, uint8_t(0x90 | (track % 16)), uint8_t(track % 128), 1}, endOfTrack()}));
    std::vector<uint8_t> image = song.announceTracks(300).bytes();
    image[8] = 0x7F;  // only the low byte of the format counts
    image[9] = 0;
    PlaybackRig rig;
    rig.load(image);
    EXPECT_EQ(rig.song.songFormat(), 0);
    EXPECT_EQ(rig.song.trackCount(), 255);
    EXPECT_EQ(rig.song.division(), 96.0);
    rig.player.startPlayback();
    rig.runUntilStopped();
    EXPECT_EQ(rig.linesOfKind(0x90).size(), 255u);
}

TEST(SongLoad, TakesTheFirstTempoWhereverItLiesClampedTo400BeatsPerMinute) {
    auto oneNote = [](uint32_t micros) {
        return SongBytes(1, 480)
            .track(join({tempoEvent(micros), {0x00, 0x90, 60, 100}, endOfTrack()}))
            .bytes();
    };
    const struct {
        const char* song;
        std::vector<uint8_t> image;
        int bpm;
        double msPerQuarter;
    } cases[] = {
        {"600 beats per minute", oneNote(100000), 400, 150.0},
        {"398 beats per minute", oneNote(150400), 398, 150.4},
        {"a tempo of 0", oneNote(0), 400, 150.0},
        {"no tempo event", SongBytes(0, 480).track(join({{0x00, 0x90, 60, 100}, endOfTrack(480)})).bytes(),
         120, 500.0},
        {"the first tempo in the second track",
         SongBytes(1, 96)
             .track(join({{0x00, 0x90, 60, 100}, endOfTrack(96)}))
             .track(join({tempoEvent(250000), endOfTrack()}))
             .bytes(),
         240, 250.0},
    };
    for (const auto& c : cases) {
        PlaybackRig rig;
        rig.load(c.image);
        EXPECT_EQ(rig.sequencer.displayTempo(), c.bpm) << c.song;
        EXPECT_DOUBLE_EQ(rig.sequencer.msPerQuarter(), c.msPerQuarter) << c.song;
    }
}

TEST(VarLenReading, DecodesUpToFourBytesAndStopsAtTheImageEnd) {
    SongBuffer song;
    song.assign({0xFF, 0xFF, 0xFF, 0x7F, 0x81, 0x80});
    const VarLen fourBytes = readVarLen(song, 0);
    EXPECT_TRUE(fourBytes.ok);
    EXPECT_EQ(fourBytes.value, 0x0FFFFFFFu);
    EXPECT_EQ(fourBytes.next, 4);
    const VarLen unfinished = readVarLen(song, 4);
    EXPECT_FALSE(unfinished.ok);
    EXPECT_EQ(unfinished.next, 6);
}
