#pragma once
#include <cstddef>
#include <cstdint>

#include "images/DibImage.h"
#include "images/ImageError.h"

// Turns what a plug-in's GetPicture returned into a picture: |info| holds a bitmap information header
// followed by the palette, |bits| the pixel rows, bottom row first, each padded to 4 bytes; the sizes are
// those of the blocks as allocated, not as the header claims. Nothing in them is trusted: a header too
// short for its fields or its palette, a size of 0 or less, a compressed or unknown depth, or pixels
// shorter than the header's rows need are refused (damaged, unsupportedDepth, compressed), and pictures over
// 1600 pixels either way are refused as the BMP reader does. On success |picture| is complete
// (DibImage::isComplete) with a full palette for its depth, entries the plug-in did not give black, so
// that no pixel's index lies outside it; on failure it is left empty.
ImageError pictureFromPluginBlocks(const uint8_t* info, size_t infoSize, const uint8_t* bits, size_t bitsSize,
                                   DibImage& picture);
