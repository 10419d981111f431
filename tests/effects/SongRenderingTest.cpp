// A long render is handed over in batches as it plays, so that its output is never held whole, and the
// batches together are exactly what the whole recording holds; the idle periods it passes over at once.
#include <gtest/gtest.h>

#include <algorithm>

#include "effects/SongRendering.h"
#include "playback/SmfWriter.h"
#include "tests/support/DenseSong.h"
#include "tests/support/PlaybackRig.h"

TEST(SongRendering, ALongSongIsHandedOverInBatchesThatTogetherAreTheWholeRecording) {
    const std::vector<uint8_t> image = denseSong(8, 1500);
    SongRendering whole, streamed;
    whole.load(image);
    whole.playToEnd();
    SongRendering::Messages handed;
    size_t largest = 0;
    streamed.streamTo([&](const SongRendering::Messages& batch) {
        largest = std::max(largest, batch.size());
        handed.insert(handed.end(), batch.begin(), batch.end());
    });
    streamed.load(image);
    streamed.playToEnd();
    ASSERT_GT(whole.messages().size(), 4 * largest) << "a song long enough to need several batches";
    EXPECT_TRUE(streamed.messages().empty()) << "the last batch is handed over at the end";
    EXPECT_LE(streamed.messages().capacity(), 4096u) << "room for a batch, never for the whole song";
    EXPECT_EQ(messageLines(handed), messageLines(whole.messages()));
}

// The period of a jump's moment is not played before the jump, even where the one before it is idle, and each
// jump is taken in its turn.
TEST(SongRendering, ANoteAtAJumpsMomentSoundsOnlyAfterTheJump) {
    SongRendering rendering;
    // A millisecond a tick: a note ends at 1.98 s, the next starts at 2 s, where the song jumps back to 1 s.
    rendering.load(SmfWriter(0, 500)
                       .track({0,  0x90, 60, 100,  0x8F, 0x3C, 0x80, 60,   0,    20, 0x90,
                               62, 100,  10, 0x80, 62,   0,    0,    0xFF, 0x2F, 0})
                       .bytes());
    rendering.playToEnd(0, nullptr, {{2, 1}, {2, 1}});  // twice: the second second is played three times
    const std::vector<std::string> lines = messageLines(rendering.messages());
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "2000 90 3E 64"), 1);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "1980 80 3C 00"), 3);
}
