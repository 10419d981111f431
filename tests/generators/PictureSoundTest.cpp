// Picture levels: the 5 x 5 blocks and their order, the exact single- and double-precision steps, the
// contrast stretch, and the song of a BMP.
#include <gtest/gtest.h>

#include "generators/PictureSound.h"
#include "generators/SongBuilder.h"
#include "images/DibImage.h"
#include "tests/images/BmpBuilder.h"

namespace {
PictureGrid blackPicture(int width, int height) {
    return {width, height, std::vector<uint32_t>(size_t(width) * size_t(height), 0)};
}

uint32_t grey(int value) {
    return packColour(uint8_t(value), uint8_t(value), uint8_t(value));
}

void fillBlock(PictureGrid& picture, int blockColumn, int band, uint32_t packed) {
    for (int y = band * 5; y < std::min(band * 5 + 5, picture.height); ++y)
        for (int x = blockColumn * 5; x < std::min(blockColumn * 5 + 5, picture.width); ++x)
            picture.pixels[size_t(y) * size_t(picture.width) + size_t(x)] = packed;
}
}  // namespace

TEST(BlockLevels, CutsThePictureIntoBlocksOfFiveWithNarrowerBlocksAtTheEdges) {
    for (const auto& [width, height, levels] :
         {std::tuple{64, 64, 169u}, {65, 64, 169u}, {64, 65, 169u}, {66, 64, 182u}, {64, 66, 182u}})
        EXPECT_EQ(blockLevels(blackPicture(width, height)).size(), levels) << width << "x" << height;

    // Band by band from grid row 0, left to right: a one-pixel column of 66 is a block of its own.
    PictureGrid picture = blackPicture(66, 64);
    for (int y = 0; y < 64; ++y) picture.pixels[size_t(y) * 66 + 65] = grey(255);
    fillBlock(picture, 1, 0, grey(100));
    const std::vector<uint8_t> levels = blockLevels(picture);
    EXPECT_EQ(levels[1], 20);
    for (size_t band = 0; band < 13; ++band)
        EXPECT_EQ(std::pair(levels[band * 14 + 12], levels[band * 14 + 13]),
                  (std::pair<uint8_t, uint8_t>(0, 51)))
            << band;
}

// Blocks of 20 pixels (the four-row band at the top of a 64-pixel picture) whose level depends on
// mean red and green being rounded to single precision and mean blue not.
TEST(BlockLevels, RoundsMeanRedAndGreenToSinglePrecisionAndKeepsMeanBlueDouble) {
    const struct {
        int red, green, blue;  // sums over the block's 20 pixels
        int level;
    } cases[] = {
        {3, 363, 384, 3},  // 2 if every mean stayed double and divided by 15
        {3, 1344, 3, 4},   // 5 if no mean were rounded to single precision
        {6, 672, 672, 5},  // 4 if mean blue were rounded too
        {20 * 255, 20 * 255, 20 * 255, 51},
        {20 * 7, 20 * 8, 20 * 7, 1},  // brightness 7.33: 1.47 rounds down
        {20 * 8, 20 * 7, 20 * 8, 2},  // 7.67: 1.53 rounds up
    };
    for (const auto& c : cases) {
        PictureGrid picture = blackPicture(64, 64);
        fillBlock(picture, 12, 0, grey(255));  // a span of 51: no stretch
        for (int i = 0; i < 20; ++i) {
            auto share = [i](int sum) { return uint8_t(sum / 20 + (i < sum % 20 ? 1 : 0)); };
            picture.pixels[size_t(60 + i / 5) * 64 + size_t(i % 5)] =
                packColour(share(c.red), share(c.green), share(c.blue));
        }
        EXPECT_EQ(blockLevels(picture)[12 * 13], c.level) << c.red << " " << c.green << " " << c.blue;
    }
}

// The factor 51 / span is rounded to single precision, so some spans top out at 50.
TEST(BlockLevels, StretchesSpansOf2To49WithTheSinglePrecisionFactor) {
    const struct {
        std::vector<int> levels;
        int rest;
        std::vector<int> stretched;
    } cases[] = {
        {{10, 11, 12}, 12, {0, 25, 51}},  {{1, 51, 26}, 1, {1, 51, 26}},  // a span of 50 stays
        {{30, 31, 30}, 30, {30, 31, 30}},                                 // a span of 1 stays
        {{7, 7, 7}, 7, {7, 7, 7}},        // one colour: equal levels, no stretch
        {{20, 25, 22}, 20, {0, 50, 20}},  // 51/5 is 10.1999998 in single precision
        {{1, 50, 2}, 1, {0, 50, 1}},      // span 49 tops out at 50 as well
    };
    for (const auto& c : cases) {
        // A 64 x 64 picture whose first blocks have the given levels (grey 5 x level gives exactly that
        // level).
        PictureGrid picture = blackPicture(64, 64);
        for (int i = 0; i < 169; ++i)
            fillBlock(picture, i % 13, i / 13,
                      grey(5 * (i < int(c.levels.size()) ? c.levels[size_t(i)] : c.rest)));
        const std::vector<uint8_t> levels = blockLevels(picture);
        EXPECT_EQ(std::vector<int>(levels.begin(), levels.begin() + 3), c.stretched) << c.levels[0];
    }
}

// The file's first band has the white block 1: the song of levels 0 and 51, unstretched.
TEST(PictureSound, APictureBecomesTheSongOfItsLevels) {
    BmpBuilder bmp(64, 64, 24);
    for (int x = 0; x < 5; ++x)
        for (int y = 0; y < 5; ++y) bmp.pixel24(x + 5, y, grey(255));
    std::istringstream file = bmp.stream();
    PseudoRandom random, expected;
    const GeneratedSong song = buildPictureSong(file, random);
    std::vector<uint8_t> levels(169, 0);
    levels[1] = 51;
    EXPECT_TRUE(song.ok());
    EXPECT_EQ(song.image, buildSong(BuildMode::picture, levels, expected).image);
}
