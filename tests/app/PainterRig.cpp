#include "tests/app/PainterRig.h"

namespace {
DibImage codedPicture(int width, int height, uint8_t blue) {
    DibImage picture = DibImage::create24(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) picture.setPackedAt(x, y, packColour(uint8_t(x), uint8_t(y), blue));
    return picture;
}

void fillHalves(DibImage& picture, const face::SheetRect& r, uint32_t left, bool paintLeft, uint32_t right) {
    for (int y = r.y; y < r.y + r.height; ++y)
        for (int x = r.x; x < r.x + r.width; ++x) {
            const bool inLeft = x < r.x + r.width / 2;
            if (inLeft && paintLeft) picture.setPackedAt(x, y, left);
            if (!inLeft) picture.setPackedAt(x, y, right);
        }
}

DibImage testSheet() {
    const uint32_t black = packColour(0, 0, 0);
    const uint32_t white = packColour(255, 255, 255);
    DibImage sheet = codedPicture(face::sheetWidth, face::sheetHeight, PainterRig::sheetBlue);
    fillHalves(sheet, face::cellGlyphMaskSource, black, true, white);
    fillHalves(sheet, face::toggleMaskSource, black, true, white);
    for (int v = 0; v <= face::cellMaxValue; ++v)
        fillHalves(sheet, face::cellGlyphSource(v), 0, false, black);
    for (int t = 0; t < face::toggleCount; ++t) {
        fillHalves(sheet, face::toggleOffSource(t), 0, false, black);
        fillHalves(sheet, face::toggleOnSource(t), 0, false, black);
    }
    return sheet;
}
}  // namespace

PainterRig::PainterRig()
    : face(codedPicture(face::faceWidth, face::faceHeight, faceBlue)),
      sheet(testSheet()),
      screen(DibImage::create24(face::faceWidth, face::faceHeight)) {}

void PainterRig::meterTick() {
    TickReport report;
    report.metersLive = true;
    painter.displayTick(report);
}
