#pragma once
#include <iosfwd>

#include "images/DibImage.h"
#include "images/ImageError.h"

constexpr int maxPreviewSize = 1600;

// Reads any uncompressed BMP of 1, 4, 8, 16 or 24 bits up to 1600 x 1600 pixels chosen in the file
// dialog. A file refused by its headers leaves the previous preview in place; once the headers pass,
// the previous preview is released and a failure leaves none. The image read is always complete
// (DibImage::isComplete) and stored bottom row first, whatever order the file used; its palette holds
// as many entries as the file's header asks for, so an index may lie beyond it.
ImageError readPreviewBmp(std::istream& in, DibImage& preview);
