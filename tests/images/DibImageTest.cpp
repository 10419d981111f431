#include <gtest/gtest.h>

#include "images/DibImage.h"

TEST(DibImage, TwentyFourBitRowsArePaddedAndStoredBottomUp) {
    DibImage image = DibImage::create24(3, 2);
    EXPECT_EQ(image.rowStride(), 12u);  // 9 bytes of pixels padded to 12
    EXPECT_EQ(image.block().size(), 40u + 24u);
    image.setPackedAt(2, 0, packColour(1, 2, 3));  // top row as seen = last stored row
    const uint8_t* stored = image.pixelAt(2, 1);
    EXPECT_EQ(stored[0], 3);  // blue first
    EXPECT_EQ(stored[2], 1);
    EXPECT_EQ(image.packedAt(2, 0), packColour(1, 2, 3));
}

TEST(DibImage, EncodedFileStartsWithItsHeaderAndHoldsTheBlock) {
    const DibImage image = DibImage::create24(788, 540);
    const std::vector<uint8_t> file = encodeBmpFile(image);
    ASSERT_EQ(file.size(), 14u + 40u + 788u * 3u * 540u);
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(file[1], 'M');
    EXPECT_EQ(file[10], 54);  // pixels follow both headers directly
    EXPECT_EQ(file[2] | file[3] << 8 | file[4] << 16 | file[5] << 24, int(file.size()));
}
