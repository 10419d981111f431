// Random sound: seeded from the clock value it is given, so one value always makes the same song.
#include <gtest/gtest.h>

#include <algorithm>

#include "generators/RandomSound.h"
#include "tests/generators/GeneratedSongView.h"

TEST(RandomSound, TheSameClockValueMakesTheSameSongWhateverTheGeneratorDrewBefore) {
    PseudoRandom random;
    const GeneratedSong first = buildRandomSong(1700000000u, random);
    random.draw();
    const GeneratedSong again = buildRandomSong(1700000000u, random);
    ASSERT_TRUE(first.ok());
    EXPECT_EQ(first.image, again.image);
    EXPECT_NE(buildRandomSong(1700000001u, random).image, first.image);
}

// The first phrase: its base note is drawn first, its period second, then each note.
TEST(RandomSound, DrawsTheBaseThenThePeriodThenTheNotesOfEachPhrase) {
    for (uint32_t seed : {0u, 1u, 86400u, 0xFFFFFFFFu}) {
        PseudoRandom random, expected;
        const std::vector<uint8_t> values = randomSongValues(seed, random);
        expected.seed(seed);
        const int base = 36 + expected.below(50);
        const int period = 16 + expected.below(5);
        for (int i = 0; i < period; ++i) EXPECT_EQ(values[size_t(i)], base + expected.below(12)) << seed;

        ASSERT_EQ(values.size(), 1000u);
        EXPECT_GE(*std::min_element(values.begin(), values.end()), 36);
        EXPECT_LE(*std::max_element(values.begin(), values.end()), 96);

        // Within a phrase notes differ by at most 11, so 96-tick notes only begin phrases.
        const std::vector<MelodyNote> melody = melodyOf(BuildMode::random, values);
        for (int i = 1; i < period; ++i) EXPECT_NE(melody[size_t(i)].ticks, 96) << seed;
        const SongShape shape = planSong(BuildMode::random, values);
        EXPECT_GE(shape.totalTicks, 24000u);
        EXPECT_GE(shape.songSize(), 22081u);
    }
}
