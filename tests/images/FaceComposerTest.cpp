#include <gtest/gtest.h>

#include "images/FaceComposer.h"
#include "images/PreviewBmp.h"
#include "tests/images/BmpBuilder.h"

namespace {
MaskGrid allPicture() {
    MaskGrid mask;
    for (int row = 0; row < faceHeight; ++row) {
        for (int column = 0; column < faceWidth; ++column) mask.set(column, row, MaskGrid::showsPicture);
    }
    return mask;
}

// Face colour at column i of stored row j (0 = bottom), as packed colour.
uint32_t faceAt(const DibImage& face, int i, int j) {
    const uint8_t* p = face.pixelAt(i, j);
    return packColour(p[2], p[1], p[0]);
}

DibImage compose(const DibImage& picture, const MaskGrid& mask) {
    DibImage face;
    const ImageResult result = makeFaceFromPicture(picture, mask, face, nullptr);
    EXPECT_TRUE(result.ok) << result.message;
    return face;
}

// Every pixel a colour of its own, so any shift shows.
uint32_t distinct(int x, int y) {
    return packColour(uint8_t(x), uint8_t(y), uint8_t(x >> 8 | (y >> 8) << 4));
}
}  // namespace

TEST(FaceComposer, PictureOfTheFaceSizeIsCopiedExceptTheOutsideEdges) {
    DibImage picture = DibImage::create24(faceWidth, faceHeight);
    for (int y = 0; y < faceHeight; ++y) {
        for (int x = 0; x < faceWidth; ++x) picture.setPackedAt(x, faceHeight - 1 - y, distinct(x, y));
    }
    const DibImage face = compose(picture, allPicture());
    ASSERT_TRUE(face.isComplete());
    EXPECT_EQ(face.width(), faceWidth);
    EXPECT_EQ(face.height(), faceHeight);
    for (int j = 1; j < faceHeight; ++j) {
        for (int i = 1; i < faceWidth; ++i) ASSERT_EQ(faceAt(face, i, j), distinct(i, j)) << i << "," << j;
    }
    // The leftmost column falls outside and repeats the last colour sampled: the end of the row below.
    for (int j = 2; j < faceHeight; ++j) ASSERT_EQ(faceAt(face, 0, j), distinct(faceWidth - 1, j - 1)) << j;
    // Nothing is sampled before the second row; the nearest picture pixel stands in until then.
    EXPECT_EQ(faceAt(face, 400, 0), distinct(0, 0));
    EXPECT_EQ(faceAt(face, 0, 1), distinct(0, 0));
}

TEST(FaceComposer, TwoColumnPictureBlendsLeftOfTheCentreOnly) {
    DibImage picture = DibImage::create24(2, faceHeight);
    for (int y = 0; y < faceHeight; ++y) picture.setPackedAt(1, y, packColour(200, 0, 0));
    const DibImage face = compose(picture, allPicture());
    const int j = 100;
    int previous = 0;
    for (int i = 1; i < 394; ++i) {
        const int red = int(faceAt(face, i, j) & 0xFF);
        EXPECT_NEAR(red, 200.0 * i / 394, 1.0) << i;
        EXPECT_GE(red, previous) << i;
        previous = red;
    }
    for (int i = 394; i < faceWidth; ++i) EXPECT_EQ(faceAt(face, i, j), packColour(200, 0, 0)) << i;
}

TEST(FaceComposer, OnlyPureRedInTheMaskLetsThePictureThrough) {
    DibImage picture = DibImage::create24(4, 4);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) picture.setPackedAt(x, y, packColour(0, 0, 90));
    }
    MaskGrid mask = allPicture();
    mask.set(10, 20, packColour(255, 1, 0));
    mask.set(11, 20, packColour(0, 0, 0));
    const DibImage face = compose(picture, mask);
    EXPECT_EQ(faceAt(face, 10, 20), packColour(255, 1, 0));
    EXPECT_EQ(faceAt(face, 11, 20), packColour(0, 0, 0));
    EXPECT_EQ(faceAt(face, 12, 20), packColour(0, 0, 90));
}

TEST(FaceComposer, SixteenBitWhiteComposesAs248) {
    BmpBuilder bmp(2, 2, 16);
    for (int row = 0; row < 2; ++row) {
        for (int byte = 0; byte < 4; ++byte) bmp.row(row)[byte] = byte % 2 ? 0x7F : 0xFF;
    }
    std::istringstream in = bmp.stream();
    DibImage picture;
    ASSERT_TRUE(readPreviewBmp(in, picture).ok);
    const DibImage face = compose(picture, allPicture());
    EXPECT_EQ(faceAt(face, 300, 300), packColour(248, 248, 248));
}

TEST(FaceComposer, ReportsProgressAfterEveryRow) {
    std::vector<std::string> texts;
    DibImage face;
    ASSERT_TRUE(
        makeFaceFromPicture(DibImage::create24(3, 3), allPicture(), face, [&texts](const std::string& text) {
            texts.push_back(text);
        }).ok);
    ASSERT_EQ(texts.size(), 540u);
    EXPECT_EQ(texts[0], "変換 = 0");
    EXPECT_EQ(texts[269], "変換 = 49");
    EXPECT_EQ(texts[538], "変換 = 99");
    EXPECT_EQ(texts[539], "変換 = 100");
}

TEST(FaceComposer, IncompletePictureLeavesTheFaceAlone) {
    std::vector<uint8_t> block = DibImage::create24(100, 100).block();
    block.resize(block.size() - 1);
    DibImage face = DibImage::create24(faceWidth, faceHeight);
    const ImageResult result = makeFaceFromPicture(DibImage::fromBlock(block), allPicture(), face, nullptr);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(face.width(), faceWidth);
}
