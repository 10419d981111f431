#pragma once
#include "resources/skin/Canvas.h"
#include "resources/skin/TextRenderer.h"

// Main.bmp: the default background with the control panels on top. The sheet supplies the released and
// unlit pictures, so the face matches what the program later draws over it.
Canvas drawFace(const Canvas& sheet, TextRenderer& text);

// Mask.bmp: the face's own pixels over every panel, pure red wherever a new background may show.
Canvas drawMask(const Canvas& face);

// Whether a face pixel belongs to a panel (its rounded outline touches the pixel at all).
bool isFixedPart(int x, int y);

// Parts of the face, drawn onto the panels by drawFace.
void drawLeftColumn(Canvas& face, const Canvas& sheet, TextRenderer& text);
void drawChannelRack(Canvas& face, const Canvas& sheet, TextRenderer& text);
void drawPanel(Canvas& face, const face::Rect& r, double radius, Rgb body);
