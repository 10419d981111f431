#pragma once
#include "resources/skin/Canvas.h"
#include "resources/skin/TextRenderer.h"

// Button.bmp: every sprite, glyph, toggle, mask and the level strip at its place on the 116 x 213 sheet.
Canvas drawSpriteSheet(TextRenderer& text);
