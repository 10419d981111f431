#include <gtest/gtest.h>

#include <cstring>

#include "images/PackedPicture.h"
#include "images/PreviewBmp.h"
#include "tests/images/BmpBuilder.h"

namespace {
constexpr uint32_t white = packColour(255, 255, 255);

std::vector<uint32_t> unpacked(const BmpBuilder& bmp) {
    std::istringstream in = bmp.stream();
    DibImage picture;
    const bool read = readPreviewBmp(in, picture) == ImageError::none;
    EXPECT_TRUE(read);
    return read ? unpackPicture(picture) : std::vector<uint32_t>();
}
}  // namespace

// Rows are padded to four bytes: a row of 9 one-bit pixels takes 2 bytes and 2 of padding, one of 3 four-bit
// pixels 2 and 2.
TEST(PackedPicture, PaletteIndicesRunFromTheHighBitsRowsArePaddedAndBeyondThePaletteGiveBlack) {
    BmpBuilder oneBit(9, 2, 1);
    oneBit.paletteEntry(1, white);
    std::memcpy(oneBit.row(0), "\xA0\x80", 2);
    oneBit.row(1)[0] = 0x80;
    EXPECT_EQ(unpacked(oneBit),
              (std::vector<uint32_t>{white, 0, white, 0, 0, 0, 0, 0, white, white, 0, 0, 0, 0, 0, 0, 0, 0}));

    BmpBuilder fourBit(3, 2, 4);
    for (int i = 1; i < 4; ++i) fourBit.paletteEntry(size_t(i), packColour(uint8_t(i), 0, 0));
    std::memcpy(fourBit.row(0), "\x12\x30", 2);
    fourBit.row(1)[0] = 0x30;
    EXPECT_EQ(unpacked(fourBit), (std::vector<uint32_t>{1, 2, 3, 3, 0, 0}));  // row 0 is the bottom row

    BmpBuilder eightBit(3, 1, 8);
    eightBit.coloursUsed(3).paletteLength(3).paletteEntry(2, white);
    std::memcpy(eightBit.row(0), "\x02\x03\xFF", 3);
    EXPECT_EQ(unpacked(eightBit), (std::vector<uint32_t>{white, 0, 0}));

    BmpBuilder sixteenBit(3, 1, 16);  // five bits a component, red highest, each scaled by 8
    std::memcpy(sixteenBit.row(0), "\x00\x7C\xE0\x03\x21\x04", 6);
    EXPECT_EQ(unpacked(sixteenBit),
              (std::vector<uint32_t>{packColour(248, 0, 0), packColour(0, 248, 0), packColour(8, 8, 8)}));
}
