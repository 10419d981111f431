#include <gtest/gtest.h>

#include "images/PackedPicture.h"
#include "images/PreviewBmp.h"
#include "tests/images/BmpBuilder.h"

namespace {
ImageResult readInto(const BmpBuilder& bmp, DibImage& preview) {
    std::istringstream in = bmp.stream();
    return readPreviewBmp(in, preview);
}

// The message of a file refused by its headers; the previous preview must survive such a refusal.
std::string refusal(const BmpBuilder& bmp) {
    DibImage preview = DibImage::create24(3, 3);
    const ImageResult result = readInto(bmp, preview);
    EXPECT_FALSE(preview.empty());
    return result.ok ? "accepted" : result.message;
}

// The message of a file whose headers pass but whose data is missing; no preview may remain.
std::string damage(const std::vector<uint8_t>& file) {
    std::istringstream in = BmpBuilder::streamOf(file);
    DibImage preview = DibImage::create24(3, 3);
    const ImageResult result = readPreviewBmp(in, preview);
    EXPECT_TRUE(preview.empty());
    return result.ok ? "accepted" : result.message;
}
}  // namespace

TEST(PreviewBmp, HeaderChecksRunInOrderAndKeepThePreviousPreview) {
    using namespace previewMessage;
    EXPECT_EQ(refusal(BmpBuilder(4, 4, 24).fileType(0x5A4D).infoSize(12)), notBmp);
    EXPECT_EQ(refusal(BmpBuilder(4, 4, 24).infoSize(12).compression(1)), notWindowsFormat);
    EXPECT_EQ(refusal(BmpBuilder(4, 4, 32).compression(3)), thirtyTwoBit);
    EXPECT_EQ(refusal(BmpBuilder(1601, 4, 24).compression(1)), compressed);
    EXPECT_EQ(refusal(BmpBuilder(1601, 4, 24)), tooLarge);
    EXPECT_EQ(refusal(BmpBuilder(4, 1601, 8)), tooLarge);
    EXPECT_EQ(refusal(BmpBuilder(4, -1601, 8)), tooLarge);
    EXPECT_EQ(refusal(BmpBuilder(4, INT32_MIN, 8)), tooLarge);
    for (int bits : {0, 2, 3, 7, 12, 64})
        EXPECT_EQ(refusal(BmpBuilder(4, 4, bits)), unsupportedDepth) << bits;
    EXPECT_EQ(refusal(BmpBuilder(0, 4, 24)), damaged);
    EXPECT_EQ(refusal(BmpBuilder(4, 0, 24)), damaged);
    EXPECT_EQ(refusal(BmpBuilder(-4, 4, 24)), damaged);
}

TEST(PreviewBmp, MissingHeadersPaletteOrPixelsLeaveNoPreview) {
    std::vector<uint8_t> file = BmpBuilder(9, 9, 8).bytes();
    file.resize(14 + 40 + 1000);  // part of the palette only
    EXPECT_EQ(damage(file), previewMessage::damaged);

    file = BmpBuilder(9, 9, 24).bytes();
    file.pop_back();
    EXPECT_EQ(damage(file), previewMessage::damaged);

    file = BmpBuilder(1600, 1600, 24).bytes();
    file.resize(60);  // headers promising 7.7 MB, then nothing
    EXPECT_EQ(damage(file), previewMessage::damaged);

    file.resize(20);
    std::istringstream in = BmpBuilder::streamOf(file);
    DibImage preview;
    EXPECT_FALSE(readPreviewBmp(in, preview).ok);
    EXPECT_TRUE(preview.empty());
}

TEST(PreviewBmp, RowsArePaddedToFourBytes) {
    DibImage preview;
    ASSERT_TRUE(readInto(BmpBuilder(5, 2, 4), preview).ok);
    EXPECT_EQ(preview.rowStride(), 4u);  // 3 bytes of pixels
    EXPECT_EQ(preview.rowPadding(), 1u);
    EXPECT_EQ(preview.paletteEntries(), 16u);

    ASSERT_TRUE(readInto(BmpBuilder(9, 2, 1), preview).ok);
    EXPECT_EQ(preview.rowStride(), 4u);  // 2 bytes of pixels
    EXPECT_EQ(preview.rowPadding(), 2u);

    ASSERT_TRUE(readInto(BmpBuilder(3, 2, 16), preview).ok);
    EXPECT_EQ(preview.rowPadding(), 2u);
}

TEST(PreviewBmp, OnlyTheLowHalfOfColoursUsedSizesThePalette) {
    BmpBuilder bmp(2, 1, 8);
    bmp.coloursUsed(0x00050010).paletteLength(16).paletteEntry(15, packColour(9, 8, 7));
    bmp.row(0)[0] = 15;
    DibImage preview;
    ASSERT_TRUE(readInto(bmp, preview).ok);
    EXPECT_EQ(preview.paletteEntries(), 16u);
    EXPECT_TRUE(preview.isComplete());
    EXPECT_EQ(unpackPicture(preview)[0], packColour(9, 8, 7));

    // High bits alone do not make an empty palette.
    ASSERT_TRUE(readInto(BmpBuilder(2, 1, 8).coloursUsed(0x00010000), preview).ok);
    EXPECT_EQ(preview.paletteEntries(), 256u);
}

// A true-colour file may name colours used, but a drawing call would then look for that many palette
// entries in front of the pixels; an image size field may be too small, and rows may be stored top-down.
// None of that may make the image read describe anything but its own pixels, bottom row first.
TEST(PreviewBmp, OddTrueColourHeadersStillGiveACompleteBottomUpImage) {
    BmpBuilder bmp(4, -3, 24);
    bmp.coloursUsed(200).imageSizeField(1);
    bmp.pixel24(0, 0, packColour(10, 0, 0)).pixel24(3, 2, packColour(1, 2, 3));
    DibImage preview;
    ASSERT_TRUE(readInto(bmp, preview).ok);
    EXPECT_TRUE(preview.isComplete());
    EXPECT_EQ(preview.paletteEntries(), 0u);
    EXPECT_EQ(preview.pixelOffset(), 40u);
    EXPECT_EQ(preview.height(), 3);
    EXPECT_EQ(preview.imageSize(), 3u * 12u);
    EXPECT_EQ(preview.packedAt(0, 0), packColour(10, 0, 0));  // the first file row is the top row
    EXPECT_EQ(preview.packedAt(3, 2), packColour(1, 2, 3));
}
