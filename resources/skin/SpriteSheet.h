#pragma once
#include "resources/skin/Picture.h"
#include "resources/skin/TextRenderer.h"

// Button.bmp: every sprite, glyph, toggle, mask and the level strip at its place on the 116 x 213 sheet.
Picture drawSpriteSheet(TextRenderer& text);
