// A long render is handed over in batches as it plays, so that its output is never held whole, and the
// batches together are exactly what the whole recording holds.
#include <gtest/gtest.h>

#include <algorithm>

#include "effects/SongRendering.h"
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
    EXPECT_EQ(messageLines(handed), messageLines(whole.messages()));
}
