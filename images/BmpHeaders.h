#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <iosfwd>

#include "images/DibImage.h"

constexpr uint16_t bmpFileType = 0x4D42;  // "BM"

// The 14-byte file header and the 40-byte information header at the start of a BMP file, as read.
class BmpHeaders {
  public:
    // Bytes past the end of a short file stay 0, which every reader's checks then refuse.
    static BmpHeaders read(std::istream& in);

    uint16_t fileType() const;
    uint32_t pixelDataOffset() const;  // from the start of the file
    uint32_t infoSize() const;
    int32_t width() const;
    int32_t height() const;  // negative when the rows are stored top row first
    int bitCount() const;
    uint32_t compression() const;
    uint32_t coloursUsed() const;

    // A zero-filled block with this information header, room for the palette and the pixels of
    // |height| rows. The header is made to describe the block exactly: a positive height, the palette
    // size as colours used (none above 8 bits) and the computed image size, so that whoever draws the
    // block never looks past its end. Only for a header whose size has been checked; throws
    // std::bad_alloc.
    DibImage makeImage(size_t paletteEntries) const;

  private:
    std::array<uint8_t, DibImage::fileHeaderSize + DibImage::infoHeaderSize> bytes_{};
};

// Reads count bytes; false when the stream ends first.
bool readBytes(std::istream& in, uint8_t* out, size_t count);
