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

// 16-bit white (0x7FFF) reads as (248, 248, 248), and an even picture keeps its colour through the stretch.
TEST(FaceComposer, OnlyPureRedShowsAnEvenPictureUnchangedAndProgressFollowsEveryRow) {
    BmpBuilder bmp(2, 2, 16);
    for (int row = 0; row < 2; ++row) {
        for (int byte = 0; byte < 4; ++byte) bmp.row(row)[byte] = byte % 2 ? 0x7F : 0xFF;
    }
    std::istringstream in = bmp.stream();
    DibImage picture;
    ASSERT_TRUE(readPreviewBmp(in, picture).ok);
    MaskGrid mask = allPicture();
    mask.set(10, 20, packColour(255, 1, 0));
    mask.set(11, 20, packColour(0, 0, 0));
    std::vector<std::string> progress;
    DibImage face;
    ASSERT_TRUE(makeFaceFromPicture(picture, mask, face, [&progress](const std::string& text) {
                    progress.push_back(text);
                }).ok);
    ASSERT_EQ(progress.size(), 540u);
    EXPECT_EQ(progress[0], "変換 = 0");
    EXPECT_EQ(progress[269], "変換 = 49");
    EXPECT_EQ(progress[538], "変換 = 99");
    EXPECT_EQ(progress[539], "変換 = 100");
    EXPECT_EQ(faceAt(face, 10, 20), packColour(255, 1, 0));
    EXPECT_EQ(faceAt(face, 11, 20), packColour(0, 0, 0));
    for (int j = 0; j < faceHeight; ++j) {
        for (int i = 0; i < faceWidth; ++i) {
            if (j == 20 && (i == 10 || i == 11)) continue;
            ASSERT_EQ(faceAt(face, i, j), packColour(248, 248, 248)) << i << "," << j;
        }
    }
}

TEST(FaceComposer, IncompletePictureLeavesTheFaceAlone) {
    std::vector<uint8_t> block = DibImage::create24(100, 100).block();
    block.resize(block.size() - 1);
    DibImage face = DibImage::create24(faceWidth, faceHeight);
    const ImageResult result = makeFaceFromPicture(DibImage::fromBlock(block), allPicture(), face, nullptr);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(face.width(), faceWidth);
}
