// The GDI canvas draws into a memory DC whose pixels the test reads back.
#include <gtest/gtest.h>

#include "app/win32/GdiCanvas.h"

namespace {
constexpr uint32_t grey = packColour(0x80, 0x80, 0x80);

// A grey 64 x 32 colour bitmap in a memory DC.
class MemorySurface {
  public:
    MemorySurface() : previous_(SelectObject(dc_, bitmap_)) {
        const RECT all{0, 0, 64, 32};
        FillRect(dc_, &all, HBRUSH(GetStockObject(GRAY_BRUSH)));
    }
    ~MemorySurface() {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    HDC dc() const { return dc_; }
    // COLORREF and packed colours share one layout.
    uint32_t at(int x, int y) const { return GetPixel(dc_, x, y); }

  private:
    HDC dc_ = CreateCompatibleDC(nullptr);
    HBITMAP bitmap_ = CreateBitmap(64, 32, 1, 32, nullptr);
    HGDIOBJ previous_;
};
}  // namespace

TEST(GdiCanvas, CopiesCountFromTheTopRowMasksAreAndedPicturesOredAndFillsEndBeforeTheirEdges) {
    // A 2 x 2 picture: a top row of red only, a bottom row of blue and a mixed colour.
    DibImage picture = DibImage::create24(2, 2);
    picture.setPackedAt(0, 0, packColour(0xFF, 0, 0));
    picture.setPackedAt(0, 1, packColour(0, 0, 0xFF));
    picture.setPackedAt(1, 1, packColour(0x0F, 0xF0, 0x3C));
    MemorySurface surface;
    GdiCanvas canvas(surface.dc(), nullptr);
    canvas.drawImage(picture, {0, 1, 2, 1}, {5, 7}, RasterOp::copy);  // the bottom row only
    EXPECT_EQ(std::vector<uint32_t>({surface.at(5, 7), surface.at(6, 7), surface.at(5, 8)}),
              std::vector<uint32_t>({packColour(0, 0, 0xFF), packColour(0x0F, 0xF0, 0x3C), grey}));

    canvas.drawImage(picture, {1, 1, 1, 1}, {0, 0}, RasterOp::andMask);
    canvas.drawImage(picture, {1, 1, 1, 1}, {1, 0}, RasterOp::orPaint);
    EXPECT_EQ(std::vector<uint32_t>({surface.at(0, 0), surface.at(1, 0)}),
              std::vector<uint32_t>({packColour(0x00, 0x80, 0x00), packColour(0x8F, 0xF0, 0xBC)}));

    canvas.fillRect({2, 3, 6, 5}, packColour(0, 0xFF, 0xFF));
    EXPECT_EQ(std::vector<uint32_t>({surface.at(5, 4), surface.at(6, 4), surface.at(5, 5)}),
              std::vector<uint32_t>({packColour(0, 0xFF, 0xFF), grey, grey}));
}

TEST(GdiCanvas, ReadoutTextIsWhiteOnBlackInItsBoxAndAFourDigitTempoFitsBetweenTheArrows) {
    MemorySurface surface;
    ReadoutFont font;
    ASSERT_NE(font.handle(), nullptr);
    {
        GdiCanvas canvas(surface.dc(), font.handle());
        canvas.drawText({4, 4}, "88:88");
        SIZE extent{};
        ASSERT_TRUE(GetTextExtentPoint32W(surface.dc(), L"1001", 4, &extent));
        EXPECT_LE(extent.cx, face::tempoField.up.picture.x - face::tempoField.text.x);
        EXPECT_LE(extent.cy, face::arrowPictureHeight);
    }
    int whites = 0;
    int blacks = 0;
    for (int y = 4; y < 20; ++y)
        for (int x = 4; x < 40; ++x) {
            whites += surface.at(x, y) == packColour(0xFF, 0xFF, 0xFF);
            blacks += surface.at(x, y) == packColour(0, 0, 0);
        }
    EXPECT_GT(whites, 20);
    EXPECT_GT(blacks, 100);
    EXPECT_EQ(surface.at(3, 3), grey);
}
