#include "resources/skin/SpriteSheet.h"

#include "resources/skin/ButtonArt.h"
#include "resources/skin/Palette.h"

namespace {
using face::SheetRect;

face::Point origin(const SheetRect& r) {
    return {r.x, r.y};
}

// Opaque sprites sit on the face's panel colour, so copying one never shows a seam.
void drawOnPanel(Picture& sheet, const SheetRect& r) {
    sheet.fill({r.x, r.y, r.x + r.width, r.y + r.height}, palette::panel);
}

void drawTransport(Picture& sheet, const SheetRect& r, TransportIcon icon, bool lit) {
    drawOnPanel(sheet, r);
    drawTransportButton(sheet, origin(r), icon, lit);
}

void drawArrow(Picture& sheet, const SheetRect& r, ArrowDirection direction, bool pressed) {
    drawOnPanel(sheet, r);
    drawArrowButton(sheet, origin(r), direction, pressed);
}
}  // namespace

Picture drawSpriteSheet(TextRenderer& text) {
    Picture sheet(face::sheetWidth, face::sheetHeight, black);

    drawTransport(sheet, face::playNormalSource, TransportIcon::play, false);
    drawTransport(sheet, face::playLitSource, TransportIcon::play, true);
    drawTransport(sheet, face::fastForwardNormalSource, TransportIcon::fastForward, false);
    drawTransport(sheet, face::fastForwardLitSource, TransportIcon::fastForward, true);

    drawArrow(sheet, face::downPressedSource, ArrowDirection::down, true);
    drawArrow(sheet, face::downReleasedSource, ArrowDirection::down, false);
    drawArrow(sheet, face::upPressedSource, ArrowDirection::up, true);
    drawArrow(sheet, face::upReleasedSource, ArrowDirection::up, false);

    drawLevelStrip(sheet, origin(face::levelStripSource));

    for (int value = 0; value <= face::cellMaxValue; ++value)
        drawCellGlyph(sheet, origin(face::cellGlyphSource(value)), value);
    drawShapeMask(sheet, origin(face::cellGlyphMaskSource), face::cellGlyphWidth, face::cellGlyphHeight,
                  cellGlyphShape);

    for (int t = 0; t < face::toggleCount; ++t) {
        drawToggle(sheet, text, origin(face::toggleOffSource(t)), t, false);
        drawToggle(sheet, text, origin(face::toggleOnSource(t)), t, true);
    }
    drawShapeMask(sheet, origin(face::toggleMaskSource), face::toggleWidth, face::toggleHeight, toggleShape);
    return sheet;
}
