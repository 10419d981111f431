#pragma once
#include <cstdint>
#include <iosfwd>
#include <vector>

#include "generators/GeneratorError.h"

constexpr int minPictureSide = 64;
constexpr int maxPictureWidth = 640;
constexpr int maxPictureHeight = 480;

// A picture read for the image sound as packed colours, row 0 being the first row stored in the file
// (in a BMP the bottom row of the picture).
struct PictureGrid {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;  // width per row

    uint32_t at(int column, int row) const { return pixels[size_t(row) * size_t(width) + size_t(column)]; }
};

// Reads an uncompressed 8- or 24-bit BMP of 64-640 by 64-480 pixels with a 40-byte information
// header from the stream's current position, the pixels from where the file header says they lie.
// A palette index beyond the stored palette gives black. |picture| is set only on success.
GeneratorError readPictureBmp(std::istream& in, PictureGrid& picture);
