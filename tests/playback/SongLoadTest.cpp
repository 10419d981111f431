// Loading a song: the header and the first tempo.
#include <gtest/gtest.h>

#include "playback/SmfWriter.h"
#include "tests/support/PlaybackRig.h"

TEST(SongLoad, ReadsTheLowFormatByteAndTheFirstTempoUpTo400BeatsPerMinuteAndPlaysAtMost255Tracks) {
    SmfWriter song(1, 96);
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

    // The first tempo, clamped to 400 beats per minute.
    const struct {
        std::vector<uint8_t> tempo;
        int bpm;
        double msPerQuarter;
    } cases[] = {{tempoEvent(100000), 400, 150.0},  // 600 beats per minute
                 {tempoEvent(150400), 398, 150.4},
                 {tempoEvent(0), 400, 150.0},
                 {{}, 120, 500.0}};
    for (const auto& c : cases) {
        rig.load(SmfWriter(0, 480).track(join({c.tempo, {0x00, 0x90, 60, 100}, endOfTrack()})).bytes());
        EXPECT_EQ(rig.sequencer.displayTempo(), c.bpm) << c.bpm;
        EXPECT_DOUBLE_EQ(rig.sequencer.msPerQuarter(), c.msPerQuarter) << c.msPerQuarter;
    }
}
