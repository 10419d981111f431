#include <gtest/gtest.h>

#include "images/PackedPicture.h"
#include "images/PreviewBmp.h"
#include "tests/images/BmpBuilder.h"

namespace {
constexpr uint32_t white = packColour(255, 255, 255);

std::vector<uint32_t> unpacked(const BmpBuilder& bmp) {
    std::istringstream in = bmp.stream();
    DibImage picture;
    const ImageResult read = readPreviewBmp(in, picture);
    EXPECT_TRUE(read.ok) << read.message;
    return read.ok ? unpackPicture(picture) : std::vector<uint32_t>();
}
}  // namespace

TEST(PackedPicture, PaletteIndicesRunFromTheHighBitsAndBeyondThePaletteGiveBlack) {
    BmpBuilder oneBit(9, 1, 1);
    oneBit.paletteEntry(1, white);
    oneBit.row(0)[0] = 0b10100000;
    oneBit.row(0)[1] = 0b10000000;
    EXPECT_EQ(unpacked(oneBit), (std::vector<uint32_t>{white, 0, white, 0, 0, 0, 0, 0, white}));

    BmpBuilder fourBit(3, 2, 4);
    for (int i = 1; i < 4; ++i) fourBit.paletteEntry(size_t(i), packColour(uint8_t(i), 0, 0));
    fourBit.row(0)[0] = 0x12;
    fourBit.row(0)[1] = 0x30;
    fourBit.row(1)[0] = 0x30;
    EXPECT_EQ(unpacked(fourBit), (std::vector<uint32_t>{1, 2, 3, 3, 0, 0}));  // row 0 is the bottom row

    BmpBuilder eightBit(3, 1, 8);
    eightBit.coloursUsed(3).paletteLength(3).paletteEntry(2, white);
    eightBit.row(0)[0] = 2;
    eightBit.row(0)[1] = 3;
    eightBit.row(0)[2] = 255;
    EXPECT_EQ(unpacked(eightBit), (std::vector<uint32_t>{white, 0, 0}));
}

TEST(PackedPicture, SixteenBitWordsAreFiveBitsPerChannelRedHighest) {
    BmpBuilder bmp(3, 1, 16);
    const uint16_t words[] = {0x7FFF, 0x7C00, 0x001F};
    for (int x = 0; x < 3; ++x) {
        bmp.row(0)[2 * x] = uint8_t(words[x]);
        bmp.row(0)[2 * x + 1] = uint8_t(words[x] >> 8);
    }
    const std::vector<uint32_t> expected = {packColour(248, 248, 248), packColour(248, 0, 0),
                                            packColour(0, 0, 248)};
    EXPECT_EQ(unpacked(bmp), expected);
}
