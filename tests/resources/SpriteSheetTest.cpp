// The sprite sheet against the two-pass transparent drawing and the sprite table.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "app/FaceLayout.h"
#include "tests/resources/SkinBitmap.h"

namespace {
using face::SheetRect;

class SpriteSheet : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { sheet_ = new SkinBitmap(SkinBitmap::load(skinFile("Button.bmp"))); }
    static void TearDownTestSuite() { delete sheet_; }
    void SetUp() override { ASSERT_TRUE(sheet_->ok); }

    static std::vector<uint32_t> pixels(const SheetRect& r) {
        std::vector<uint32_t> out;
        for (int y = r.y; y < r.y + r.height; ++y)
            for (int x = r.x; x < r.x + r.width; ++x) out.push_back(sheet_->at(x, y));
        return out;
    }

    // A mask is pure black and pure white, with both present; a picture drawn through it is black
    // wherever the mask is white, and not all one colour where it shows.
    static void expectMaskedPicture(const SheetRect& picture, const SheetRect& mask) {
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
    }

    static SkinBitmap* sheet_;
};
SkinBitmap* SpriteSheet::sheet_ = nullptr;

TEST_F(SpriteSheet, CellGlyphsAreBlackOutsideTheirMaskAndAllDiffer) {
    std::set<std::vector<uint32_t>> glyphs;
    for (int v = 0; v <= face::cellMaxValue; ++v) {
        SCOPED_TRACE(v);
        expectMaskedPicture(face::cellGlyphSource(v), face::cellGlyphMaskSource);
        glyphs.insert(pixels(face::cellGlyphSource(v)));
    }
    EXPECT_EQ(glyphs.size(), size_t(face::cellMaxValue + 1));
}

TEST_F(SpriteSheet, TogglesAreBlackOutsideTheirMaskAndOnDiffersFromOff) {
    std::set<std::vector<uint32_t>> pictures;
    for (int t = 0; t < face::toggleCount; ++t) {
        SCOPED_TRACE(t);
        expectMaskedPicture(face::toggleOffSource(t), face::toggleMaskSource);
        expectMaskedPicture(face::toggleOnSource(t), face::toggleMaskSource);
        pictures.insert(pixels(face::toggleOffSource(t)));
        pictures.insert(pixels(face::toggleOnSource(t)));
    }
    EXPECT_EQ(pictures.size(), size_t(2 * face::toggleCount));
}

TEST_F(SpriteSheet, LitAndPressedSpritesDifferFromTheirRestingPictures) {
    const std::pair<int, int> pairs[] = {{face::playLit, face::playNormal},
                                         {face::fastForwardLit, face::fastForwardNormal},
                                         {face::tempoDownPressed, face::tempoDownReleased},
                                         {face::tempoUpPressed, face::tempoUpReleased}};
    for (const auto& [active, resting] : pairs)
        EXPECT_NE(pixels(face::spritePlacements[active].source),
                  pixels(face::spritePlacements[resting].source))
            << "sprite " << active;
    EXPECT_NE(pixels(face::downReleasedSource), pixels(face::upReleasedSource));
    EXPECT_NE(pixels(face::playNormalSource), pixels(face::fastForwardNormalSource));
}

TEST_F(SpriteSheet, LevelStripRunsFromGreenToRedOverItsFullHeight) {
    const SheetRect s = face::levelStripSource;
    auto red = [](uint32_t c) { return int(c & 0xFF); };
    auto green = [](uint32_t c) { return int(c >> 8 & 0xFF); };
    for (int y = s.y + 1; y < s.y + s.height - 1; ++y) {
        EXPECT_GT(green(sheet_->at(s.x, y)), red(sheet_->at(s.x, y)) + 60) << y;
        EXPECT_GT(red(sheet_->at(s.x + s.width - 2, y)), green(sheet_->at(s.x + s.width - 2, y)) + 60) << y;
    }
}
}  // namespace
