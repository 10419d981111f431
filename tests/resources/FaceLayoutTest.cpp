#include <gtest/gtest.h>

#include "app/FaceLayout.h"

namespace {
using face::Rect;
using face::SheetRect;

bool overlaps(const SheetRect& a, const SheetRect& b) {
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

bool inside(const Rect& inner, const Rect& outer) {
    return outer.left <= inner.left && inner.right <= outer.right && outer.top <= inner.top &&
           inner.bottom <= outer.bottom;
}
}  // namespace

TEST(FaceLayout, SheetPicturesLieOnTheSheetWithoutOverlapping) {
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
        const SheetRect& p = pictures[i];
        EXPECT_TRUE(p.x >= 0 && p.y >= 0 && p.x + p.width <= face::sheetWidth &&
                    p.y + p.height <= face::sheetHeight)
            << i;
        for (size_t j = i + 1; j < pictures.size(); ++j)
            EXPECT_FALSE(overlaps(p, pictures[j])) << i << " and " << j;
    }
}

TEST(FaceLayout, StoredRowsOfASheetPictureCountFromTheBottom) {
    EXPECT_EQ(face::playNormalSource.storedY(face::sheetHeight), 0);
    EXPECT_EQ(face::cellGlyphSource(0).storedY(face::sheetHeight), 198);
    EXPECT_EQ(face::cellGlyphSource(12).storedY(face::sheetHeight), 183);
    EXPECT_EQ(face::cellGlyphSource(12).x, 96);
}

TEST(FaceLayout, ButtonsHotRectanglesLieInsideTheirPictures) {
    const Rect play{face::playPicture.x, face::playPicture.y,
                    face::playPicture.x + face::transportPictureWidth,
                    face::playPicture.y + face::transportPictureHeight};
    EXPECT_TRUE(inside(face::playHot, play));
    for (const face::NumberField& f : face::numberFields)
        for (const face::ArrowButton& b : {f.down, f.up}) {
            EXPECT_TRUE(inside(b.hot, {b.picture.x, b.picture.y, b.picture.x + face::arrowPictureWidth,
                                       b.picture.y + face::arrowPictureHeight}));
            EXPECT_EQ(face::spritePlacements[b.pressed].destination.x, b.picture.x);
            EXPECT_EQ(face::spritePlacements[b.released].destination.y, b.picture.y);
        }
}

TEST(FaceLayout, CellHitTestFindsTheCellAndExcludesRightAndBottomEdges) {
    const auto hit = face::cellAt(297 + 35 * 4, 36 + 32 * 15);
    ASSERT_TRUE(hit);
    EXPECT_EQ(hit->channel, 15);
    EXPECT_EQ(hit->column, 4);
    EXPECT_FALSE(face::cellAt(311, 40));  // right edge of cell 0
    EXPECT_FALSE(face::cellAt(300, 50));  // bottom edge of row 0
    EXPECT_FALSE(face::cellAt(320, 40));  // between two cells, still inside the click band
    EXPECT_TRUE(face::cellBand.contains(451));
    EXPECT_FALSE(face::cellBand.contains(452));
}

TEST(FaceLayout, ToggleHitTestFindsTheToggleOfTheRow) {
    const auto hit = face::toggleAt(700, 55 + 32);
    ASSERT_TRUE(hit);
    EXPECT_EQ(hit->channel, 1);
    EXPECT_EQ(hit->column, 1);
    EXPECT_FALSE(face::toggleAt(691, 40));
    EXPECT_FALSE(face::toggleAt(665, 536));
    EXPECT_TRUE(face::toneBand.contains(281));
    EXPECT_FALSE(face::toneBand.contains(282));
}
