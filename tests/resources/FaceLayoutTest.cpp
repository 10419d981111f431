#include <gtest/gtest.h>

#include <vector>

#include "app/FaceLayout.h"

TEST(FaceLayout, SheetPicturesLieOnTheSheetWithoutOverlapping) {
    using face::SheetRect;
    std::vector<SheetRect> pictures{
        face::playNormalSource,        face::playLitSource,      face::fastForwardLitSource,
        face::fastForwardNormalSource, face::downPressedSource,  face::upPressedSource,
        face::downReleasedSource,      face::upReleasedSource,   face::levelStripSource,
        face::toggleMaskSource,        face::cellGlyphMaskSource};
    for (int v = 0; v <= face::cellMaxValue; ++v) pictures.push_back(face::cellGlyphSource(v));
    for (int t = 0; t < face::toggleCount; ++t) {
        pictures.push_back(face::toggleOffSource(t));
        pictures.push_back(face::toggleOnSource(t));
    }
    for (size_t i = 0; i < pictures.size(); ++i) {
        const SheetRect& a = pictures[i];
        EXPECT_TRUE(a.x >= 0 && a.y >= 0 && a.x + a.width <= face::sheetWidth &&
                    a.y + a.height <= face::sheetHeight)
            << i;
        for (size_t j = i + 1; j < pictures.size(); ++j) {
            const SheetRect& b = pictures[j];
            EXPECT_FALSE(a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height &&
                         b.y < a.y + a.height)
                << i << " and " << j;
        }
    }
}

TEST(FaceLayout, HotRectanglesLieInsideTheirPictures) {
    const auto inside = [](const face::Rect& hot, face::Point p, int width, int height) {
        return p.x <= hot.left && hot.right <= p.x + width && p.y <= hot.top && hot.bottom <= p.y + height;
    };
    EXPECT_TRUE(
        inside(face::playHot, face::playPicture, face::transportPictureWidth, face::transportPictureHeight));
    EXPECT_TRUE(inside(face::fastForwardHot, face::fastForwardPicture, face::transportPictureWidth,
                       face::transportPictureHeight));
    for (const face::NumberField& f : face::numberFields)
        for (const face::ArrowButton& b : {f.down, f.up}) {
            EXPECT_TRUE(inside(b.hot, b.picture, face::arrowPictureWidth, face::arrowPictureHeight));
            EXPECT_EQ(face::spritePlacements[b.pressed].destination.x, b.picture.x);
            EXPECT_EQ(face::spritePlacements[b.released].destination.y, b.picture.y);
        }
}

TEST(FaceLayout, HitTestsFindTheChannelElementAndExcludeRightAndBottomEdges) {
    const auto cell = face::cellAt(297 + 35 * 4, 36 + 32 * 15);
    ASSERT_TRUE(cell);
    EXPECT_EQ(cell->channel, 15);
    EXPECT_EQ(cell->column, 4);
    EXPECT_FALSE(face::cellAt(311, 40));  // right edge of cell 0
    EXPECT_FALSE(face::cellAt(300, 50));  // bottom edge of row 0
    EXPECT_FALSE(face::cellAt(320, 40));  // between two cells, still inside the click band
    EXPECT_TRUE(face::cellBand.contains(451) && !face::cellBand.contains(452));

    const auto toggle = face::toggleAt(700, 55 + 32);
    ASSERT_TRUE(toggle);
    EXPECT_EQ(toggle->channel, 1);
    EXPECT_EQ(toggle->column, 1);
    EXPECT_FALSE(face::toggleAt(691, 40));
    EXPECT_FALSE(face::toggleAt(665, 536));
    EXPECT_TRUE(face::toneBand.contains(281) && !face::toneBand.contains(282));
}
