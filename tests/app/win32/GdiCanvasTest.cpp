// The GDI canvas draws into a memory DC whose pixels the test reads back.
#include <gtest/gtest.h>

#include "app/win32/GdiCanvas.h"

namespace {
constexpr int width = 64;
constexpr int height = 32;
constexpr uint32_t grey = packColour(0x80, 0x80, 0x80);

// A 32-bit top-down DIB section selected into a memory DC; pixels are read as packed colours.
class MemorySurface {
  public:
    MemorySurface() : dc_(CreateCompatibleDC(nullptr)) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
        previous_ = SelectObject(dc_, bitmap_);
        for (int i = 0; i < width * height; ++i) bits_[i] = 0x808080;
    }
    ~MemorySurface() {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    HDC dc() const { return dc_; }
    uint32_t at(int x, int y) const {
        GdiFlush();
        const uint32_t bgr = bits_[y * width + x];
        return packColour(uint8_t(bgr >> 16), uint8_t(bgr >> 8), uint8_t(bgr));
    }

  private:
    HDC dc_;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    uint32_t* bits_ = nullptr;
};

// A 2 x 2 picture: top row red, green; bottom row blue, a mixed colour.
DibImage smallPicture() {
    DibImage picture = DibImage::create24(2, 2);
    picture.setPackedAt(0, 0, packColour(0xFF, 0, 0));
    picture.setPackedAt(1, 0, packColour(0, 0xFF, 0));
    picture.setPackedAt(0, 1, packColour(0, 0, 0xFF));
    picture.setPackedAt(1, 1, packColour(0x0F, 0xF0, 0x3C));
    return picture;
}
}  // namespace

TEST(GdiCanvas, CopiesTheSourceRectangleCountedFromTheTopRow) {
    MemorySurface surface;
    GdiCanvas canvas(surface.dc(), nullptr);
    canvas.drawImage(smallPicture(), {0, 1, 2, 1}, {5, 7}, RasterOp::copy);  // the bottom row only
    EXPECT_EQ(surface.at(5, 7), packColour(0, 0, 0xFF));
    EXPECT_EQ(surface.at(6, 7), packColour(0x0F, 0xF0, 0x3C));
    EXPECT_EQ(surface.at(5, 6), grey);
    EXPECT_EQ(surface.at(5, 8), grey);
}

TEST(GdiCanvas, MasksAreAndedAndPicturesOred) {
    MemorySurface surface;
    GdiCanvas canvas(surface.dc(), nullptr);
    const DibImage picture = smallPicture();
    canvas.drawImage(picture, {1, 1, 1, 1}, {0, 0}, RasterOp::andMask);
    canvas.drawImage(picture, {1, 1, 1, 1}, {1, 0}, RasterOp::orPaint);
    EXPECT_EQ(surface.at(0, 0), packColour(0x00, 0x80, 0x00));
    EXPECT_EQ(surface.at(1, 0), packColour(0x8F, 0xF0, 0xBC));
}

TEST(GdiCanvas, FillsRectanglesWithoutTheirRightAndBottomEdges) {
    MemorySurface surface;
    GdiCanvas canvas(surface.dc(), nullptr);
    canvas.fillRect({2, 3, 6, 5}, packColour(0, 0xFF, 0xFF));
    EXPECT_EQ(surface.at(2, 3), packColour(0, 0xFF, 0xFF));
    EXPECT_EQ(surface.at(5, 4), packColour(0, 0xFF, 0xFF));
    EXPECT_EQ(surface.at(6, 4), grey);
    EXPECT_EQ(surface.at(5, 5), grey);
}

TEST(GdiCanvas, TextIsWhiteOnBlackInItsBox) {
    MemorySurface surface;
    ReadoutFont font;
    ASSERT_NE(font.handle(), nullptr);
    {
        GdiCanvas canvas(surface.dc(), font.handle());
        canvas.drawText({4, 4}, "88:88");
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
    EXPECT_EQ(surface.at(60, 28), grey);
}

TEST(GdiCanvas, AFourDigitTempoFitsBetweenTheArrowButtons) {
    MemorySurface surface;
    ReadoutFont font;
    const HGDIOBJ previous = SelectObject(surface.dc(), font.handle());
    SIZE extent{};
    ASSERT_TRUE(GetTextExtentPoint32W(surface.dc(), L"1001", 4, &extent));
    SelectObject(surface.dc(), previous);
    EXPECT_LE(extent.cx, face::tempoField.up.picture.x - face::tempoField.text.x);
    EXPECT_LE(extent.cy, face::arrowPictureHeight);
}
