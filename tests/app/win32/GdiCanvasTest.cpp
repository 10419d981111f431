// The GDI canvas draws into a memory DC whose pixels the test reads back.
#include <gtest/gtest.h>

#include "app/win32/GdiCanvas.h"

namespace {
// A grey 64 x 32 colour bitmap in a memory DC.
struct MemorySurface {
    MemorySurface() {
        const RECT all{0, 0, 64, 32};
        FillRect(dc, &all, HBRUSH(GetStockObject(GRAY_BRUSH)));
    }
    ~MemorySurface() {
        SelectObject(dc, previous);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    // COLORREF and packed colours share one layout.
    uint32_t at(int x, int y) const { return GetPixel(dc, x, y); }

    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateBitmap(64, 32, 1, 32, nullptr);
    HGDIOBJ previous = SelectObject(dc, bitmap);
};
}  // namespace

// A mask is ANDed onto the face and a picture ORed over it, which is how the buttons' pictures are drawn.
TEST(GdiCanvas, MasksAreAndedAndPicturesOred) {
    DibImage picture = DibImage::create24(1, 1);
    picture.setPackedAt(0, 0, packColour(0x0F, 0xF0, 0x3C));
    MemorySurface surface;
    GdiCanvas canvas(surface.dc, nullptr);
    canvas.drawImage(picture, {0, 0, 1, 1}, {0, 0}, RasterOp::andMask);
    canvas.drawImage(picture, {0, 0, 1, 1}, {1, 0}, RasterOp::orPaint);
    EXPECT_EQ(std::vector<uint32_t>({surface.at(0, 0), surface.at(1, 0)}),
              std::vector<uint32_t>({packColour(0x00, 0x80, 0x00), packColour(0x8F, 0xF0, 0xBC)}));
}
