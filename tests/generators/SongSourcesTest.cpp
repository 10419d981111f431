// The sources of two generated songs: random sound, seeded from the clock value it is given so that one
// value always makes the same song, and text sound, its size limits (read from a file and given as bytes)
// and a file that cannot be read; out of memory, each says so rather than make part of a song.
#include <gtest/gtest.h>

#include <sstream>

#include "generators/RandomSound.h"
#include "generators/TextSound.h"
#include "tests/support/AllocationCounter.h"
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

TEST(TextSound, AcceptsTextsOf256To16000BytesAndRefusesOtherSizesAndUnreadableOrShrinkingFiles) {
    const std::pair<size_t, GeneratorError> cases[] = {
        {0, GeneratorError::textTooSmall}, {255, GeneratorError::textTooSmall},   {256, GeneratorError::none},
        {16000, GeneratorError::none},     {16001, GeneratorError::textTooLarge},
    };
    for (const auto& [length, error] : cases) {
        std::istringstream file(std::string(length, ' '));
        std::vector<uint8_t> text;
        EXPECT_EQ(readTextSource(file, text), error) << length;
        PseudoRandom random;
        const GeneratedSong song = buildTextSong(std::vector<uint8_t>(length, ' '), random);
        EXPECT_EQ(song.error, error) << length;
        EXPECT_EQ(song.image.empty(), !song.ok()) << length;
    }
    // A file that cannot be read, and one that shrinks while it is read: its end says 300 bytes, but none
    // come.
    std::istringstream unreadable("text");
    unreadable.setstate(std::ios::failbit);
    struct ShrinkingFile : std::streambuf {
        pos_type seekoff(off_type off, std::ios_base::seekdir dir, std::ios_base::openmode) override {
            return at = (dir == std::ios_base::beg ? 0 : dir == std::ios_base::end ? 300 : at) + off;
        }
        pos_type seekpos(pos_type pos, std::ios_base::openmode) override { return at = pos; }
        std::streamoff at = 0;
    } file;
    std::istream shrinking(&file);
    for (std::istream* in : {static_cast<std::istream*>(&unreadable), &shrinking}) {
        std::vector<uint8_t> text;
        EXPECT_EQ(readTextSource(*in, text), GeneratorError::textUnreadable);
        EXPECT_TRUE(text.empty());
    }
}

TEST(SongSources, SayWhenMemoryRunsOut) {
    std::istringstream file(std::string(300, ' '));
    std::vector<uint8_t> text;
    const std::vector<uint8_t> source(300, ' ');
    PseudoRandom random;
    GeneratorError read, fromText, fromClock;
    {
        const RefusedAllocations outOfMemory;
        read = readTextSource(file, text);
        fromText = buildTextSong(source, random).error;
        fromClock = buildRandomSong(0, random).error;
    }
    EXPECT_EQ((std::vector<GeneratorError>{read, fromText, fromClock}),
              std::vector<GeneratorError>(3, GeneratorError::noMemory));
}
