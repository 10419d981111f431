#pragma once
#include <cstdint>
#include <vector>

#include "resources/skin/TextRenderer.h"

// The program icon as an .ico file: 48, 32 and 16 pixel images, 32-bit with alpha and an AND mask.
std::vector<uint8_t> makeIconFile(TextRenderer& text);
