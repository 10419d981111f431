// The image-sound picture reader: its checks in order, and where it takes pixels from.
#include <gtest/gtest.h>

#include "generators/PictureBmp.h"
#include "images/DibImage.h"
#include "tests/images/BmpBuilder.h"

namespace {
GeneratorError readInto(const std::vector<uint8_t>& file, PictureGrid& picture) {
    std::istringstream in = BmpBuilder::streamOf(file);
    return readPictureBmp(in, picture);
}
}  // namespace

TEST(PictureBmp, RefusesBadFilesWithTheFirstFailedCheckAndKeepsNothingOfThem) {
    using B = BmpBuilder;
    using E = GeneratorError;
    const std::pair<std::vector<uint8_t>, GeneratorError> cases[] = {
        {B(64, 64, 24).bytes(20), E::pictureReadFailed},  // the information header cut short
        {B(64, 64, 24).fileType(0x5A4D).bytes(), E::pictureReadFailed},
        {B(64, 64, 24).infoSize(108).bytes(), E::pictureReadFailed},
        {B(64, 64, 1).bytes(), E::pictureTooFewColours},
        {B(8, 8, 16).bytes(), E::pictureHighColour},
        {B(8, 8, 32).compression(3).bytes(), E::pictureThirtyTwoBit},
        {B(64, 64, 12).bytes(), E::pictureUnknownDepth},
        {B(63, 64, 8).compression(1).bytes(), E::pictureTooSmall},
        {B(64, 63, 24).bytes(), E::pictureTooSmall},
        {B(64, -64, 24).bytes(), E::pictureTooSmall},  // stored top row first
        {B(641, 64, 24).compression(1).bytes(), E::pictureTooLarge},
        {B(64, 64, 8).compression(1).bytes(), E::pictureCompressed},
        {B(64, 64, 8).bytes(14 + 40 + 1023), E::pictureReadFailed},  // part of the palette
        {B(65, 64, 24).bytes(14 + 40 + 196 * 64 - 1), E::pictureReadFailed},
    };
    for (const auto& [file, error] : cases) {
        PictureGrid picture{7, 1, std::vector<uint32_t>(7, 5)};
        EXPECT_EQ(readInto(file, picture), error) << int(error) << " " << file.size();
        EXPECT_EQ(picture.width, 7) << int(error);
        EXPECT_EQ(picture.pixels, std::vector<uint32_t>(7, 5)) << int(error);
    }
    // The largest picture is accepted.
    PictureGrid picture;
    ASSERT_EQ(readInto(BmpBuilder(640, 480, 24).bytes(), picture), GeneratorError::none);
    EXPECT_EQ(picture.pixels.size(), 640u * 480u);
}

// Row 0 of the grid is the first row in the file; an 8-bit row of 65 pixels takes 68 bytes.
TEST(PictureBmp, ReadsEightBitRowsFromTheirFourByteBoundariesThroughThePalette) {
    BmpBuilder bmp(65, 64, 8);
    bmp.paletteEntry(1, packColour(10, 20, 30)).paletteEntry(2, packColour(200, 100, 50));
    bmp.row(0)[64] = 1;
    bmp.row(1)[0] = 2;
    bmp.row(63)[64] = 2;
    PictureGrid picture;
    ASSERT_EQ(readInto(bmp.bytes(), picture), GeneratorError::none);
    EXPECT_EQ((std::vector<uint32_t>{uint32_t(picture.width), uint32_t(picture.height), picture.at(64, 0),
                                     picture.at(0, 1), picture.at(64, 63), picture.at(1, 1)}),
              (std::vector<uint32_t>{65, 64, packColour(10, 20, 30), packColour(200, 100, 50),
                                     packColour(200, 100, 50), 0}));
}

// Colours used names the stored palette (256 when 0 or above 256); an index past it is black.
TEST(PictureBmp, TakesThePaletteLengthFromColoursUsedAndThePixelsFromTheirOffset) {
    BmpBuilder shortPalette(64, 64, 8);
    shortPalette.coloursUsed(2).paletteLength(2).paletteEntry(1, packColour(1, 2, 3));
    shortPalette.row(0)[0] = 1;
    shortPalette.row(0)[1] = 5;
    PictureGrid picture;
    ASSERT_EQ(readInto(shortPalette.bytes(), picture), GeneratorError::none);
    EXPECT_EQ(std::pair(picture.at(0, 0), picture.at(1, 0)), std::pair(packColour(1, 2, 3), 0u));

    BmpBuilder wide = BmpBuilder(64, 64, 8).coloursUsed(0x10000).paletteEntry(255, packColour(9, 9, 9));
    wide.row(0)[0] = 255;
    ASSERT_EQ(readInto(wide.bytes(), picture), GeneratorError::none);
    EXPECT_EQ(picture.at(0, 0), packColour(9, 9, 9));

    // Sixteen bytes of something else between the headers and the pixels, as the file header says.
    std::vector<uint8_t> file = BmpBuilder(64, 64, 24).pixel24(0, 0, packColour(7, 8, 9)).bytes();
    file.insert(file.begin() + 54, 16, 0xEE);
    writeLe32(&file[10], 54 + 16);
    ASSERT_EQ(readInto(file, picture), GeneratorError::none);
    EXPECT_EQ(std::pair(picture.at(0, 0), picture.at(1, 0)), std::pair(packColour(7, 8, 9), 0u));

    writeLe32(&file[10], uint32_t(file.size()));  // pixels said to lie past the end
    EXPECT_EQ(readInto(file, picture), GeneratorError::pictureReadFailed);
}
