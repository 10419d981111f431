// The song builder: the songs of each kind byte for byte, and the melody mapping.
#include <gtest/gtest.h>

#include "generators/SongBuilder.h"
#include "tests/support/Golden.h"

namespace {
std::vector<uint8_t> notesOf(const std::vector<MelodyNote>& melody) {
    std::vector<uint8_t> notes;
    for (const MelodyNote& m : melody) notes.push_back(m.note);
    return notes;
}
std::vector<int> ticksOf(const std::vector<MelodyNote>& melody) {
    std::vector<int> ticks;
    for (const MelodyNote& m : melody) ticks.push_back(m.ticks);
    return ticks;
}
}  // namespace

// Every byte of songs of each kind, pinned in tests/golden/generated-songs.txt: the header, the tempo and
// programs, each track's notes, lengths and velocities in drawing order. The long song takes the velocities
// through their fall-off over the last 64 records and the crash cymbal onto drum records 8 and 16; the
// leaps from 0x32 to 0x2D (guitar notes 48 and 68) make silent guitar beats that draw nothing. In a text
// the last byte is never a melody note, and the guitar and bass play only single-byte characters: a text of
// double-byte characters and line ends leaves them their program change alone, one of control characters
// leaves every track empty and draws nothing.
TEST(SongBuilder, SongsOfEachKindAreBuiltByteForByteAsPinned) {
    const std::vector<uint8_t> leaps = {0x32, 0x2D, 0x32, 0x2D, 0x32},
                               controls = {0x0D, 0x0A, 0x0D, 0x0A, 0x09};
    std::vector<uint8_t> doubleByte;
    for (int i = 0; i < 10; ++i) doubleByte.insert(doubleByte.end(), {0x82, 0xA0, 0x93, 0xFA, 0x0D, 0x0A});
    const struct {
        const char* name;
        BuildMode mode;
        std::vector<uint8_t> source;
    } songs[] = {
        {"random 60 60 72 75, seed 77", BuildMode::random, {60, 60, 72, 75}},
        {"text with Shift-JIS pairs led by 81, 9F, E0 and FC",
         BuildMode::text,
         {'A', 0x9F, 0x40, 'B', 0x81, 0x40, 0xA0, 0xE0, 0x41, 'C', 0x0D, 0x0A, 0xFC, 0x40, 0x9F, 0xFC, 'Z'}},
        {"picture levels", BuildMode::picture, {0, 51, 25, 12, 40, 3, 3, 30, 51, 0}},
        {"random 100 times 60", BuildMode::random, std::vector<uint8_t>(100, 60)},
        {"random guitar leaps", BuildMode::random, leaps},
        {"text guitar leaps", BuildMode::text, leaps},
        {"text of spaces", BuildMode::text, std::vector<uint8_t>(30, ' ')},
        {"text of double-byte characters and line ends", BuildMode::text, doubleByte},
        {"text of control characters", BuildMode::text, controls},
    };
    std::string text;
    for (const auto& song : songs) {
        PseudoRandom random;
        random.seed(77);
        const GeneratedSong built = buildSong(song.mode, song.source, random);
        ASSERT_TRUE(built.ok()) << song.name;
        EXPECT_EQ(built.image.size(), planSong(song.mode, song.source).songSize()) << song.name;
        text += std::string(song.name) + "\n" + hexLines(built.image);
    }
    expectGolden("generated-songs.txt", text);

    PseudoRandom random;
    buildSong(BuildMode::text, controls, random);
    EXPECT_EQ(random.draw(), 41) << "nothing was drawn from the generator's first state";
}

TEST(MelodyMapping, TextBytesByKindWithShiftJisPairsAndTheLastByteNeverANote) {
    const struct {
        std::vector<uint8_t> text;
        std::vector<uint8_t> notes;
    } cases[] = {
        {{'A', 'B'}, {65 % 12 + 32 + 24}},               // the last byte is left out
        {{0x0D, 0x0A, 0x1F, ' ', 0x7F, 'x'}, {48, 94}},  // control characters pass; 0x7F is the top
        {{0x80, 0xA0, 0xDF, 0xFD, 0xFF, 0}, {32, 44, 78, 87, 90}},  // single-byte codes above 0x7F
        {{'A', 0x82, 0xA0}, {61, 9 + 13 + 36}},                     // a lead byte takes the last byte: h = 81
        {{0xFC, 0xFF, 'A'}, {0 + 42 + 36}},                         // h = 252, the highest pair
        {{'A', 0x82}, {61}},                       // a lead byte in the last place is ignored
        {{0x9F, 0x40, 'A'}, {45}},                 // 0x9F leads a pair like 0x81 to 0x9E
        {{0xE0, 0x0A, ' ', 0}, {8 + 1 + 36, 48}},  // the partner is taken whatever it is
    };
    for (const auto& c : cases)
        EXPECT_EQ(notesOf(melodyOf(BuildMode::text, c.text)), c.notes) << c.text.size();
}

TEST(MelodyMapping, LeapsAreHeldLongerWithTheTextThresholdAtSixAndTheOthersAtFour) {
    // Picture levels 0-51 become notes 36-87.
    EXPECT_EQ(notesOf(melodyOf(BuildMode::picture, {0, 11, 12, 47, 48, 51})),
              (std::vector<uint8_t>{36, 47, 48, 83, 84, 87}));
    // The same notes 60, 64, 66, 72, 60, 69 (changes 4, 2, 6, 12, 9) from a text and from random values.
    const std::vector<uint8_t> notes = {60, 64, 66, 72, 60, 69};
    const std::vector<uint8_t> text = {'@', 'C', 'D', 'P', '@', 'F', 0};
    EXPECT_EQ(notesOf(melodyOf(BuildMode::text, text)), notes);
    EXPECT_EQ(ticksOf(melodyOf(BuildMode::text, text)), (std::vector<int>{24, 24, 24, 48, 96, 48}));
    EXPECT_EQ(ticksOf(melodyOf(BuildMode::random, notes)), (std::vector<int>{24, 48, 24, 48, 96, 48}));
    EXPECT_EQ(ticksOf(melodyOf(BuildMode::picture, {24, 28, 30, 36, 24, 33})),
              (std::vector<int>{24, 48, 24, 48, 96, 48}));
}
