#pragma once
// The small pictures of the skin, each drawn onto a picture at a given top-left corner. The sprite sheet
// holds most of them; the face uses the same drawings for the stop button and for the released and
// unlit states it shows before the program draws anything.

#include "resources/skin/Picture.h"
#include "resources/skin/TextRenderer.h"

enum class TransportIcon { stop, play, fastForward };
enum class ArrowDirection { down, up };

// A 58 x 48 transport button whose body surrounds the hot rectangle at (6, 5)-(50, 41) of the picture.
void drawTransportButton(Picture& c, face::Point at, TransportIcon icon, bool lit);

// A 24 x 23 arrow button, released (raised) or pressed (sunk, icon lit).
void drawArrowButton(Picture& c, face::Point at, ArrowDirection direction, bool pressed);

// The 60 x 16 level-bar strip: green, then yellow, then red segments from left to right.
void drawLevelStrip(Picture& c, face::Point at);

// Cell glyphs: a 16 x 15 tile whose shape is the same for every value, so one mask serves them all.
bool cellGlyphShape(int x, int y);
void drawCellGlyph(Picture& c, face::Point at, int value);
// The face's cell before the program has drawn a value: a dim tile of the same shape.
void drawEmptyCell(Picture& c, face::Point at);

// Toggles: a 26 x 24 picture with a rounded button shape common to every toggle.
bool toggleShape(int x, int y);
void drawToggle(Picture& c, TextRenderer& text, face::Point at, int column, bool on);

// Writes a two-pass mask for a shape: black where the shape shows, white elsewhere.
template <typename Shape>
void drawShapeMask(Picture& c, face::Point at, int width, int height, Shape inShape) {
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) c.set(at.x + x, at.y + y, inShape(x, y) ? black : white);
}
