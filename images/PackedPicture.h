#pragma once
#include <cstdint>
#include <vector>

#include "images/DibImage.h"

// The pixels of a complete picture (DibImage::isComplete) of 1, 4, 8, 16 or 24 bits as packed colours,
// width per row, row 0 = the bottom row. A palette index beyond the picture's palette gives black.
// 16-bit words are 5-5-5 with red highest; each channel keeps its low three bits 0. Throws std::bad_alloc.
std::vector<uint32_t> unpackPicture(const DibImage& picture);
