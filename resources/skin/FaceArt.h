#pragma once
#include "resources/skin/Picture.h"
#include "resources/skin/TextRenderer.h"

// Main.bmp: the default background with the control panels on top. The sheet supplies the released and
// unlit pictures, so the face matches what the program later draws over it.
Picture drawFace(const Picture& sheet, TextRenderer& text);

// Mask.bmp: the face's own pixels over every panel, pure red wherever a new background may show.
Picture drawMask(const Picture& face);

// Whether a face pixel belongs to a panel (its rounded outline touches the pixel at all).
bool isFixedPart(int x, int y);

// Parts of the face, drawn onto the panels by drawFace.
void drawLeftColumn(Picture& face, const Picture& sheet, TextRenderer& text);
void drawChannelRack(Picture& face, const Picture& sheet, TextRenderer& text);
void drawPanel(Picture& face, const face::Rect& r, double radius, Rgb body);
