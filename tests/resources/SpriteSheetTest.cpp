// The sprite sheet against the two-pass transparent drawing and the sprite table.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "tests/resources/SkinBitmap.h"

namespace {
using face::SheetRect;

std::vector<uint32_t> pixels(const SheetRect& r) {
    const SkinBitmap& sheet = skinPicture("Button.bmp");
    std::vector<uint32_t> out;
    for (int y = r.y; y < r.y + r.height; ++y)
        for (int x = r.x; x < r.x + r.width; ++x) out.push_back(sheet.at(x, y));
    return out;
}

// A mask is pure black and pure white, with both present; a picture drawn through it is black wherever the
// mask is white, and not all one colour where it shows. Adds the picture to `distinct`.
void expectMaskedPicture(const SheetRect& picture, const SheetRect& mask,
                         std::set<std::vector<uint32_t>>& distinct) {
    const std::vector<uint32_t> m = pixels(mask), p = pixels(picture);
    std::set<uint32_t> shown;
    for (size_t i = 0; i < m.size(); ++i) {
        ASSERT_TRUE(m[i] == pureBlack || m[i] == pureWhite) << "mask pixel " << i;
        if (m[i] == pureWhite)
            ASSERT_EQ(p[i], pureBlack) << "picture pixel " << i << " outside the shape";
        else
            shown.insert(p[i]);
    }
    EXPECT_GT(shown.size(), 2u);
    EXPECT_LT(shown.size(), m.size());  // the mask is not all black
    distinct.insert(p);
}
}  // namespace

TEST(SpriteSheet, CellGlyphsAndTogglesAreBlackOutsideTheirMaskAndAllDiffer) {
    std::set<std::vector<uint32_t>> glyphs, toggles;
    for (int v = 0; v <= face::cellMaxValue; ++v) {
        SCOPED_TRACE(v);
        expectMaskedPicture(face::cellGlyphSource(v), face::cellGlyphMaskSource, glyphs);
    }
    for (int t = 0; t < face::toggleCount; ++t) {
        SCOPED_TRACE(t);
        expectMaskedPicture(face::toggleOffSource(t), face::toggleMaskSource, toggles);
        expectMaskedPicture(face::toggleOnSource(t), face::toggleMaskSource, toggles);
    }
    EXPECT_EQ(glyphs.size(), size_t(face::cellMaxValue + 1));
    EXPECT_EQ(toggles.size(), size_t(2 * face::toggleCount));
}

TEST(SpriteSheet, LitAndPressedSpritesDifferFromTheirRestingPictures) {
    const std::pair<SheetRect, SheetRect> pairs[] = {
        {face::playLitSource, face::playNormalSource},
        {face::fastForwardLitSource, face::fastForwardNormalSource},
        {face::downPressedSource, face::downReleasedSource},
        {face::upPressedSource, face::upReleasedSource},
        {face::downReleasedSource, face::upReleasedSource},
        {face::playNormalSource, face::fastForwardNormalSource}};
    for (const auto& [active, resting] : pairs)
        EXPECT_NE(pixels(active), pixels(resting)) << active.x << "," << active.y;
}

TEST(SpriteSheet, LevelStripRunsFromGreenToRedOverItsFullHeight) {
    const SkinBitmap& sheet = skinPicture("Button.bmp");
    const SheetRect s = face::levelStripSource;
    const auto red = [](uint32_t c) { return int(c & 0xFF); };
    const auto green = [](uint32_t c) { return int(c >> 8 & 0xFF); };
    for (int y = s.y + 1; y < s.y + s.height - 1; ++y) {
        EXPECT_GT(green(sheet.at(s.x, y)), red(sheet.at(s.x, y)) + 60) << y;
        EXPECT_GT(red(sheet.at(s.x + s.width - 2, y)), green(sheet.at(s.x + s.width - 2, y)) + 60) << y;
    }
}
