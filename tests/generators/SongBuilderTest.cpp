// The song builder: the songs of each kind byte for byte.
#include <gtest/gtest.h>

#include "generators/SongBuilder.h"
#include "tests/support/Golden.h"

// Every byte of songs of each kind, pinned in tests/golden/generated-songs.txt: the header, the tempo and
// programs, each track's notes, lengths and velocities in drawing order. The long song takes the velocities
// through their fall-off over the last 64 records and the crash cymbal onto drum records 8 and 16; the
// leaps from 0x32 to 0x2D (guitar notes 48 and 68) make silent guitar beats that draw nothing. In a text
// the last byte is never a melody note, and the guitar and bass play only single-byte characters: a text of
// double-byte characters and line ends leaves them their program change alone, one of control characters
// leaves every track empty and draws nothing. The melody takes each kind of byte: control characters and
// 0x7F, single bytes above it, Shift-JIS pairs led by 0x81-0x9F and 0xE0-0xFC whatever their partner, and
// a lead byte in the last place, which is ignored. A leap is held longer: from 6 semitones in a text, from 4
// in the others (the same notes 60, 64, 66, 72, 60, 69 in each).
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
        {"text of every kind of byte", BuildMode::text, {0x0D, 0x0A, 0x1F, ' ',  0x7F, 'x',  0x80, 0xA0,
                                                         0xDF, 0xFD, 0xFF, 0,    'A',  0x82, 0xA0, 0xFC,
                                                         0xFF, 0xE0, 0x0A, 0x9F, 0x40, 'A',  0x82}},
        {"text leaps", BuildMode::text, {'@', 'C', 'D', 'P', '@', 'F', 0}},
        {"random leaps", BuildMode::random, {60, 64, 66, 72, 60, 69}},
        {"picture leaps", BuildMode::picture, {24, 28, 30, 36, 24, 33}},
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
