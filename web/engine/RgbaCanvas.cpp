#include "web/engine/RgbaCanvas.h"

#include <algorithm>

#include "app/BlitClip.h"

namespace {
// A packed colour (red in bits 0-7) is already the canvas's byte order; only the alpha is added.
constexpr uint32_t opaque = 0xFF000000;

uint32_t fromBgr(const uint8_t* pixel) {
    return opaque | pixel[2] | uint32_t(pixel[1]) << 8 | uint32_t(pixel[0]) << 16;
}
}  // namespace

void RgbaCanvas::drawImage(const DibImage& image, const face::SheetRect& source, face::Point destination,
                           RasterOp op) {
    if (!image.isComplete() || image.bitCount() != 24) return;
    const std::optional<Blit> fromSource = clipToSource({source, destination}, image.width(), image.height());
    if (!fromSource) return;
    const std::optional<Blit> blit = clipToDestination(*fromSource, RgbaFace::width, RgbaFace::height);
    if (!blit) return;
    for (int row = 0; row < blit->source.height; ++row) {
        const uint8_t* from = image.pixelAt(blit->source.x, image.height() - 1 - (blit->source.y + row));
        uint32_t* to =
            &face_.pixels[size_t(blit->destination.y + row) * RgbaFace::width + size_t(blit->destination.x)];
        for (int x = 0; x < blit->source.width; ++x, from += 3, ++to) {
            const uint32_t pixel = fromBgr(from);
            *to = op == RasterOp::copy ? pixel : op == RasterOp::andMask ? *to & pixel : *to | pixel;
        }
    }
}

void RgbaCanvas::fillRect(const face::Rect& rect, uint32_t packedColour) {
    const int left = std::max(rect.left, 0);
    const int right = std::min(rect.right, RgbaFace::width);
    for (int y = std::max(rect.top, 0); y < std::min(rect.bottom, RgbaFace::height) && left < right; ++y) {
        uint32_t* row = &face_.pixels[size_t(y) * RgbaFace::width];
        std::fill(row + left, row + right, opaque | packedColour);
    }
}

void RgbaCanvas::drawText(face::Point origin, const std::string& text) {
    face_.readouts[{origin.x, origin.y}] = text;
    const long long width = static_cast<long long>(text.size()) * RgbaFace::textCellWidth;
    const int right = int(std::min<long long>(origin.x + width, RgbaFace::width));
    fillRect({origin.x, origin.y, right, origin.y + RgbaFace::textCellHeight}, 0);
}
