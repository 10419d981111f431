// Random sound: seeded from the clock value it is given, so one value always makes the same song.
#include <gtest/gtest.h>

#include "generators/RandomSound.h"
#include "tests/support/Golden.h"

TEST(RandomSound, TheSameClockValueMakesTheSameSongWhateverTheGeneratorDrewBefore) {
    PseudoRandom random;
    const GeneratedSong first = buildRandomSong(1700000000u, random);
    random.draw();
    const GeneratedSong again = buildRandomSong(1700000000u, random);
    ASSERT_TRUE(first.ok());
    EXPECT_EQ(first.image, again.image);
    EXPECT_NE(buildRandomSong(1700000001u, random).image, first.image);
}

// The 1000 notes of clock values at both ends, pinned in tests/golden/random-notes.txt: each phrase draws
// its base note, then its period, then each note; the whole song stays within 36-96.
TEST(RandomSound, NotesAreDrawnAsPinned) {
    std::string text;
    for (uint32_t seed : {0u, 86400u, 0xFFFFFFFFu}) {
        PseudoRandom random;
        text += "clock " + std::to_string(seed) + "\n" + hexLines(randomSongValues(seed, random));
    }
    expectGolden("random-notes.txt", text);
}
