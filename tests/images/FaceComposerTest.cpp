#include <gtest/gtest.h>

#include "images/FaceComposer.h"
#include "tests/images/FaceMasks.h"

namespace {
// Face colour at column i of stored row j (0 = bottom), as packed colour.
uint32_t faceAt(const DibImage& face, int i, int j) {
    const uint8_t* p = face.pixelAt(i, j);
    return packColour(p[2], p[1], p[0]);
}

DibImage compose(const DibImage& picture, const MaskGrid& mask) {
    DibImage face;
    EXPECT_EQ(makeFaceFromPicture(picture, mask, face, nullptr), ImageError::none);
    return face;
}

// Every pixel a colour of its own, so any shift shows.
uint32_t distinct(int x, int y) {
    return packColour(uint8_t(x), uint8_t(y), uint8_t(x >> 8 | (y >> 8) << 4));
}
}  // namespace

TEST(FaceComposer, PictureOfTheFaceSizeIsCopiedExceptTheOutsideEdgesAndAnIncompleteOneIsRefused) {
    DibImage picture = DibImage::create24(faceWidth, faceHeight);
    for (int y = 0; y < faceHeight; ++y)
        for (int x = 0; x < faceWidth; ++x) picture.setPackedAt(x, faceHeight - 1 - y, distinct(x, y));
    const DibImage face = compose(picture, allPicture());
    ASSERT_TRUE(face.isComplete() && face.width() == faceWidth && face.height() == faceHeight);
    for (int j = 1; j < faceHeight; ++j)
        for (int i = 1; i < faceWidth; ++i) ASSERT_EQ(faceAt(face, i, j), distinct(i, j)) << i << "," << j;
    // The leftmost column falls outside and repeats the last colour sampled: the end of the row below.
    for (int j = 2; j < faceHeight; ++j) ASSERT_EQ(faceAt(face, 0, j), distinct(faceWidth - 1, j - 1)) << j;
    // Nothing is sampled before the second row; the nearest picture pixel stands in until then.
    EXPECT_EQ(std::pair(faceAt(face, 400, 0), faceAt(face, 0, 1)), std::pair(distinct(0, 0), distinct(0, 0)));

    std::vector<uint8_t> incomplete = picture.block();
    incomplete.resize(incomplete.size() - 1);
    DibImage kept = face;
    for (const DibImage& damaged : {DibImage::fromBlock(incomplete), DibImage::create24(4, 0)})
        EXPECT_EQ(makeFaceFromPicture(damaged, allPicture(), kept, nullptr), ImageError::damaged);
    EXPECT_EQ(kept.block(), face.block()) << "an incomplete picture leaves the face alone";
}

// Red runs from 0 to 200 across the picture; green and blue are even and must come through unchanged.
TEST(FaceComposer, TwoColumnsBlendLeftOfTheCentreOnlyAndOnlyPureRedShowsThePicture) {
    DibImage picture = DibImage::create24(2, 2);
    for (int y = 0; y < 2; ++y)
        picture.setPackedAt(0, y, packColour(0, 7, 131)), picture.setPackedAt(1, y, packColour(200, 7, 131));
    MaskGrid mask = allPicture();
    mask.set(10, 20, packColour(255, 1, 0));
    mask.set(11, 20, packColour(0, 0, 0));
    const DibImage face = compose(picture, mask);
    for (int j = 1; j < faceHeight; ++j) {
        for (int i = 1; i < faceWidth; ++i) {
            const uint32_t colour = faceAt(face, i, j);
            if (mask.at(i, j) != MaskGrid::showsPicture) {
                ASSERT_EQ(colour, mask.at(i, j)) << i << "," << j;
                continue;
            }
            ASSERT_EQ(colour & ~0xFFu, packColour(0, 7, 131)) << i << "," << j;
            ASSERT_NEAR(int(colour & 0xFF), i < 394 ? 200.0 * i / 394 : 200.0, i < 394 ? 1.0 : 0.0)
                << i << "," << j;
        }
    }
}
