#pragma once
#include <cstddef>
#include <cstdint>
#include <iosfwd>

#include "images/DibImage.h"
#include "images/ImageError.h"

constexpr int maxPreviewSize = 1600;

// The depths a picture may have, whether read from a file or handed over by a plug-in: 1, 4, 8, 16 or 24
// bits.
inline bool isPictureDepth(int bitCount) {
    return bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 16 || bitCount == 24;
}
// The palette entries a picture's header says follow it: colours used, of which only the low 16 bits count
// (writers put junk into the high half), or the depth's full palette when that is 0; none above 8 bits.
inline size_t declaredPaletteEntries(int bitCount, uint32_t coloursUsed) {
    if (bitCount > 8) return 0;
    const size_t given = coloursUsed & 0xFFFF;
    return given != 0 ? given : size_t(1) << bitCount;
}

// Reads any uncompressed BMP of 1, 4, 8, 16 or 24 bits up to 1600 x 1600 pixels chosen in the file
// dialog. A file refused by its headers leaves the previous preview in place; once the headers pass,
// the previous preview is released and a failure leaves none. The image read is always complete
// (DibImage::isComplete) and stored bottom row first, whatever order the file used; its palette holds
// as many entries as the file's header asks for, so an index may lie beyond it.
ImageError readPreviewBmp(std::istream& in, DibImage& preview);
