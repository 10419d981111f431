#include <gtest/gtest.h>

#include <sstream>

#include "images/LittleEndian.h"
#include "images/SkinBmp.h"
#include "tests/images/BmpBuilder.h"

namespace {
BmpBuilder validFace() {
    BmpBuilder bmp(faceWidth, faceHeight, 24);
    bmp.pixel24(0, 0, packColour(1, 2, 3)).pixel24(787, 539, packColour(250, 251, 252));
    return bmp;
}

bool readsAsFace(const BmpBuilder& bmp) {
    std::istringstream in = bmp.stream();
    DibImage face = DibImage::create24(2, 2);
    const bool ok = readFaceBmp(in, face);
    EXPECT_EQ(ok, !face.empty()) << "a refusal must leave no image, a success a full one";
    return ok;
}
}  // namespace

TEST(SkinBmp, FaceKeepsEveryPixelInStoredOrderAndIsSavedWithBothHeaders) {
    std::istringstream in = validFace().stream();
    DibImage face;
    ASSERT_TRUE(readFaceBmp(in, face));
    EXPECT_TRUE(face.isComplete());
    EXPECT_EQ(face.packedAt(0, 539), packColour(1, 2, 3));  // stored row 0 is the bottom row
    EXPECT_EQ(face.packedAt(787, 0), packColour(250, 251, 252));

    std::ostringstream out;
    ASSERT_TRUE(writeBmpFile(out, face));
    const std::string saved = out.str();
    EXPECT_EQ(saved.size(), 14u + 40u + 788u * 3u * 540u);
    const std::vector<uint8_t> encoded = encodeBmpFile(face);
    EXPECT_EQ(saved, std::string(encoded.begin(), encoded.end()));
    EXPECT_EQ(saved.substr(0, 2), "BM");
    EXPECT_EQ(readLe32(&encoded[2]), encoded.size());
    EXPECT_EQ(readLe32(&encoded[10]), 54u);  // the pixels follow both headers
    std::istringstream again(saved);
    DibImage reread;
    ASSERT_TRUE(readFaceBmp(again, reread));
    EXPECT_EQ(reread.block(), face.block());
}

// A palette or compressed file of the face's size must not be taken for 24-bit pixels: the mask
// conversion would then read 3 bytes per pixel from an area a third that size.
TEST(SkinBmp, ReadersAcceptOnlyUncompressed24BitPicturesOfTheirExactSize) {
    EXPECT_FALSE(readsAsFace(BmpBuilder(787, 540, 24)));
    EXPECT_FALSE(readsAsFace(BmpBuilder(788, 541, 24)));
    EXPECT_FALSE(readsAsFace(BmpBuilder(788, -540, 24)));  // top-down
    EXPECT_FALSE(readsAsFace(BmpBuilder(buttonSheetWidth, buttonSheetHeight, 24)));
    EXPECT_FALSE(readsAsFace(BmpBuilder(788, 540, 8)));
    EXPECT_FALSE(readsAsFace(BmpBuilder(788, 540, 32)));
    EXPECT_FALSE(readsAsFace(validFace().compression(1)));
    EXPECT_FALSE(readsAsFace(validFace().fileType(0x5A4D)));
    EXPECT_FALSE(readsAsFace(validFace().infoSize(108)));

    DibImage sheet;
    std::istringstream button = BmpBuilder(buttonSheetWidth, buttonSheetHeight, 24).stream();
    EXPECT_TRUE(readButtonBmp(button, sheet));
    std::istringstream face = validFace().stream();
    EXPECT_FALSE(readButtonBmp(face, sheet));
    EXPECT_TRUE(sheet.empty());
}

TEST(SkinBmp, FaceReaderNeedsAllPixelsWhateverTheHeaderClaims) {
    std::vector<uint8_t> file = validFace().bytes();
    file.pop_back();
    std::istringstream truncated = BmpBuilder::streamOf(file);
    DibImage face;
    EXPECT_FALSE(readFaceBmp(truncated, face));

    // An image size of 0 or one far too small still means the full pixel area.
    EXPECT_TRUE(readsAsFace(validFace().imageSizeField(0)));
    std::istringstream shortField = validFace().imageSizeField(10).stream();
    ASSERT_TRUE(readFaceBmp(shortField, face));
    EXPECT_TRUE(face.isComplete());
    EXPECT_EQ(face.packedAt(787, 0), packColour(250, 251, 252));
}

TEST(SkinBmp, MaskGridRowZeroIsTheBottomRowAndOnlyPureRedShowsThePicture) {
    BmpBuilder bmp = validFace();
    bmp.pixel24(5, 0, packColour(255, 0, 0)).pixel24(6, 0, packColour(255, 1, 0));
    std::istringstream in = bmp.stream();
    DibImage mask;
    ASSERT_TRUE(readFaceBmp(in, mask));
    const std::optional<MaskGrid> grid = makeMaskGrid(mask);
    ASSERT_TRUE(grid);
    EXPECT_EQ(grid->at(5, 0), MaskGrid::showsPicture);
    EXPECT_NE(grid->at(6, 0), MaskGrid::showsPicture);
    EXPECT_EQ(grid->at(0, 0), packColour(1, 2, 3));
    EXPECT_EQ(grid->at(787, 539), packColour(250, 251, 252));

    EXPECT_FALSE(makeMaskGrid(DibImage::create24(788, 539)));
    EXPECT_FALSE(makeMaskGrid(DibImage()));
}
