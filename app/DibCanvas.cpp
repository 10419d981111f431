#include "app/DibCanvas.h"

#include <algorithm>

#include "app/BlitClip.h"

namespace {
bool is24BitPicture(const DibImage& image) {
    return image.isComplete() && image.bitCount() == 24;
}

void combine(uint8_t* target, const uint8_t* source, size_t count, RasterOp op) {
    switch (op) {
        case RasterOp::copy:
            std::copy(source, source + count, target);
            break;
        case RasterOp::andMask:
            for (size_t i = 0; i < count; ++i) target[i] &= source[i];
            break;
        case RasterOp::orPaint:
            for (size_t i = 0; i < count; ++i) target[i] |= source[i];
            break;
    }
}
}  // namespace

DibCanvas::DibCanvas(DibImage& screen, std::vector<DrawnText>& textLog)
    : screen_(screen), textLog_(textLog), usable_(is24BitPicture(screen)) {}

void DibCanvas::drawImage(const DibImage& image, const face::SheetRect& source, face::Point destination,
                          RasterOp op) {
    if (!usable_ || !is24BitPicture(image)) return;
    const std::optional<Blit> fromSource = clipToSource({source, destination}, image.width(), image.height());
    if (!fromSource) return;
    const std::optional<Blit> blit = clipToDestination(*fromSource, screen_.width(), screen_.height());
    if (!blit) return;
    const size_t rowBytes = size_t(blit->source.width) * 3;
    for (int row = 0; row < blit->source.height; ++row) {
        const int sourceStored = image.height() - 1 - (blit->source.y + row);
        const int targetStored = screen_.height() - 1 - (blit->destination.y + row);
        combine(screen_.pixelAt(blit->destination.x, targetStored),
                image.pixelAt(blit->source.x, sourceStored), rowBytes, op);
    }
}

void DibCanvas::fillRect(const face::Rect& rect, uint32_t packedColour) {
    if (!usable_) return;
    const int left = std::max(rect.left, 0);
    const int top = std::max(rect.top, 0);
    const int right = std::min(rect.right, screen_.width());
    const int bottom = std::min(rect.bottom, screen_.height());
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) screen_.setPackedAt(x, y, packedColour);
}

void DibCanvas::drawText(face::Point origin, const std::string& text) {
    textLog_.push_back({origin, text});
    const long long width = static_cast<long long>(text.size()) * textCellWidth;
    const int right = int(std::min<long long>(origin.x + width, screen_.width()));
    const int bottom =
        int(std::min<long long>(origin.y + static_cast<long long>(textCellHeight), screen_.height()));
    fillRect({origin.x, origin.y, right, bottom}, packColour(0, 0, 0));
}

std::unique_ptr<Canvas> DibCanvasSource::openCanvas() {
    return std::make_unique<DibCanvas>(screen_, texts);
}
