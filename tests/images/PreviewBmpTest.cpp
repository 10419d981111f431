#include <gtest/gtest.h>

#include <cstring>

#include "images/PackedPicture.h"
#include "images/PreviewBmp.h"
#include "images/PreviewGeometry.h"
#include "tests/images/BmpBuilder.h"

namespace {
ImageError readInto(const std::vector<uint8_t>& file, DibImage& preview) {
    std::istringstream in = BmpBuilder::streamOf(file);
    return readPreviewBmp(in, preview);
}

std::vector<uint32_t> unpacked(const BmpBuilder& bmp) {
    DibImage picture;
    const bool read = readInto(bmp.bytes(), picture) == ImageError::none && picture.isComplete();
    EXPECT_TRUE(read);
    return read ? unpackPicture(picture) : std::vector<uint32_t>();
}
}  // namespace

// A file refused by its headers keeps the previous preview; one whose data is missing leaves none.
TEST(PreviewBmp, RefusesBadFilesWithTheMessageOfTheFirstFailedCheck) {
    using E = ImageError;
    using B = BmpBuilder;
    const struct {
        std::vector<uint8_t> file;
        ImageError error;
        bool headersPass = false;
    } cases[] = {
        {B(4, 4, 24).fileType(0x5A4D).infoSize(12).bytes(), E::notBmp},
        {B(4, 4, 24).infoSize(12).compression(1).bytes(), E::notWindowsFormat},
        {B(4, 4, 24).bytes(20), E::unsupportedDepth},
        {B(4, 4, 32).compression(3).bytes(), E::thirtyTwoBit},
        {B(1601, 4, 24).compression(1).bytes(), E::compressed},
        {B(1601, 4, 24).bytes(), E::tooLarge},
        {B(4, INT32_MIN, 8).bytes(), E::tooLarge},
        {B(4, 0, 24).bytes(), E::damaged},
        {B(-4, 4, 24).bytes(), E::damaged},
        {B(9, 9, 8).bytes(14 + 40 + 1000), E::damaged, true},  // part of the palette only
        {B(9, 9, 24).bytes(14 + 40 + 9 * 28 - 1), E::damaged, true},
        {B(1600, 1600, 24).bytes(60), E::damaged, true},  // headers promising 7.7 MB, then nothing
    };
    for (const auto& c : cases) {
        DibImage preview = DibImage::create24(3, 3);
        EXPECT_EQ(readInto(c.file, preview), c.error) << c.file.size();
        EXPECT_EQ(std::tuple(preview.empty(), preview.isComplete(), preview.height()),
                  std::tuple(c.headersPass, !c.headersPass, c.headersPass ? 0 : 3))
            << c.file.size();
    }
}

TEST(PreviewBmp, ColoursUsedCountsItsLowHalfAndNoHeaderMakesTheImageDescribeMoreThanItsPixels) {
    BmpBuilder bmp(1, 1, 8);
    bmp.coloursUsed(0x00050001).paletteLength(1).paletteEntry(0, packColour(9, 8, 7));
    DibImage preview;
    ASSERT_EQ(readInto(bmp.bytes(), preview), ImageError::none);
    EXPECT_EQ(preview.paletteEntries(), 1u);
    EXPECT_EQ(preview.block().size(), 40u + 4 + 4) << "the palette and one row, nothing after";
    EXPECT_EQ(unpackPicture(preview)[0], packColour(9, 8, 7));
    // High bits alone do not make an empty palette.
    ASSERT_EQ(readInto(BmpBuilder(2, 1, 8).coloursUsed(0x00010000).bytes(), preview), ImageError::none);
    EXPECT_EQ(preview.paletteEntries(), 256u);
    const std::vector<uint8_t> file =
        BmpBuilder(1, 1, 4).bytes();  // a picture naming no colours has them all
    EXPECT_EQ(DibImage::fromBlock({file.begin() + 14, file.end()}).paletteEntries(), 16u);
    EXPECT_FALSE(DibImage::fromBlock({file.begin() + 14, file.end() - 1}).isComplete()) << "a byte short";

    // A true-colour file may name colours used, but a drawing call would then look for that many palette
    // entries in front of the pixels; an image size field may be too small, and rows may be stored
    // top-down. None of that may make the image read describe anything but its own pixels, bottom row first.
    BmpBuilder trueColour = BmpBuilder(4, -3, 24).coloursUsed(200).imageSizeField(1);
    trueColour.pixel24(0, 0, packColour(10, 0, 0)).pixel24(3, 2, packColour(1, 2, 3));
    ASSERT_EQ(readInto(trueColour.bytes(), preview), ImageError::none);
    EXPECT_TRUE(preview.isComplete());
    // Palette entries, pixel offset, height, image size, then the first file row as the top row.
    EXPECT_EQ((std::vector<size_t>{preview.paletteEntries(), preview.pixelOffset(), size_t(preview.height()),
                                   readLe32(preview.block().data() + 20), preview.packedAt(0, 0),
                                   preview.packedAt(3, 2)}),
              (std::vector<size_t>{0, 40, 3, 3 * 12, packColour(10, 0, 0), packColour(1, 2, 3)}));
}

// The picture scaled into the preview area by its longer side, centred, inside a frame of one pixel; the
// ratios truncated in whole numbers, and never less than a pixel.
TEST(PreviewGeometry, APictureFillsTheAreaByItsLongerSideCentredInsideAFrame) {
    const struct {
        int width, height, areaWidth, areaHeight;
        int x, y, targetWidth, targetHeight;
    } rows[] = {
        {50, 50, 200, 150, 1, 1, 198, 148},
        {100, 50, 200, 150, 1, 38, 198, 73},
        {50, 100, 200, 150, 51, 1, 98, 148},
        {1000, 1, 200, 150, 1, 76, 198, 1},
        {100000, 99999, 300, 300, 1, 1, 298, 297},
        {0, 10, 200, 150, 0, 0, 0, 0},
        {10, 0, 200, 150, 0, 0, 0, 0},
        {10, 10, 0, 150, 0, 0, 0, 0},
        {10, 10, 150, 0, 0, 0, 0, 0},
    };
    for (const auto& r : rows) {
        const PreviewRect target = previewTarget(r.width, r.height, r.areaWidth, r.areaHeight);
        EXPECT_EQ((std::vector<int>{target.x, target.y, target.width, target.height}),
                  (std::vector<int>{r.x, r.y, r.targetWidth, r.targetHeight}))
            << r.width << "x" << r.height;
    }
    EXPECT_EQ(previewSizeText(50, 1234), "SIZE=  50×1234");
}

// Rows are padded to four bytes: a row of 9 one-bit pixels takes 2 bytes and 2 of padding, one of 3 four-bit
// pixels 2 and 2.
TEST(PackedPicture, PaletteIndicesRunFromTheHighBitsRowsArePaddedAndBeyondThePaletteGiveBlack) {
    constexpr uint32_t white = packColour(255, 255, 255);
    BmpBuilder oneBit = BmpBuilder(9, 2, 1).paletteEntry(1, white);
    std::memcpy(oneBit.row(0), "\xA0\x80", 2);
    oneBit.row(1)[0] = 0x80;
    EXPECT_EQ(unpacked(oneBit),
              (std::vector<uint32_t>{white, 0, white, 0, 0, 0, 0, 0, white, white, 0, 0, 0, 0, 0, 0, 0, 0}));

    BmpBuilder fourBit(3, 2, 4);
    for (int i = 1; i < 4; ++i) fourBit.paletteEntry(size_t(i), packColour(uint8_t(i), 0, 0));
    std::memcpy(fourBit.row(0), "\x12\x30", 2);
    fourBit.row(1)[0] = 0x30;
    EXPECT_EQ(unpacked(fourBit), (std::vector<uint32_t>{1, 2, 3, 3, 0, 0}));  // row 0 is the bottom row

    BmpBuilder eightBit = BmpBuilder(3, 1, 8).coloursUsed(3).paletteLength(3).paletteEntry(2, white);
    std::memcpy(eightBit.row(0), "\x02\x03\xFF", 3);
    EXPECT_EQ(unpacked(eightBit), (std::vector<uint32_t>{white, 0, 0}));

    BmpBuilder sixteenBit(3, 1, 16);  // five bits a component, red highest, each scaled by 8
    std::memcpy(sixteenBit.row(0), "\x00\x7C\xE0\x03\x21\x04", 6);
    EXPECT_EQ(unpacked(sixteenBit),
              (std::vector<uint32_t>{packColour(248, 0, 0), packColour(0, 248, 0), packColour(8, 8, 8)}));
}
