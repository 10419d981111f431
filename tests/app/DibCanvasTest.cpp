// The in-memory canvas keeps every copy inside both pictures.
#include <gtest/gtest.h>

#include "app/DibCanvas.h"

namespace {
constexpr uint32_t red = packColour(255, 0, 0);
constexpr uint32_t green = packColour(0, 255, 0);
constexpr uint32_t black = packColour(0, 0, 0);

DibImage filled(int width, int height, uint32_t colour) {
    DibImage picture = DibImage::create24(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) picture.setPackedAt(x, y, colour);
    return picture;
}
}  // namespace

TEST(DibCanvas, CopiesFillsAndTextAreClippedAtTheEdgesOfBothPictures) {
    DibImage screen = filled(10, 8, green);
    DibImage source = filled(4, 4, red);
    source.setPackedAt(0, 0, packColour(1, 2, 3));
    std::vector<DrawnText> texts;
    DibCanvas canvas(screen, texts);
    canvas.drawImage(source, {-2, -2, 4, 4}, {0, 0}, RasterOp::copy);  // only source 0..1 x 0..1 exists
    EXPECT_EQ(screen.packedAt(2, 2), packColour(1, 2, 3));
    EXPECT_EQ(screen.packedAt(1, 1), green);
    EXPECT_EQ(screen.packedAt(3, 3), red);
    EXPECT_EQ(screen.packedAt(4, 4), green);
    canvas.drawImage(source, {0, 0, 4, 4}, {8, 6}, RasterOp::copy);  // runs off the right and bottom
    EXPECT_EQ(screen.packedAt(9, 7), red);
    canvas.drawImage(source, {0, 0, 4, 4}, {-3, -3}, RasterOp::copy);
    EXPECT_EQ(screen.packedAt(0, 0), red);
    canvas.fillRect({-5, 6, 100, 100}, red);
    EXPECT_EQ(screen.packedAt(0, 7), red);

    canvas.drawText({6, 2}, "12:34");  // its box runs off the right edge; the text goes to the log
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "12:34");
    EXPECT_EQ(screen.packedAt(6, 2), black);
    EXPECT_EQ(screen.packedAt(9, 5), black);
    EXPECT_EQ(screen.packedAt(5, 2), green);
    EXPECT_EQ(screen.packedAt(6, 1), green);
}
