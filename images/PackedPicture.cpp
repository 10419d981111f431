#include "images/PackedPicture.h"

#include <algorithm>
#include <array>

namespace {
// Every index a pixel of up to 8 bits can hold, so a file whose palette is shorter than its indices
// reach is still read inside the block.
std::array<uint32_t, 256> paletteColours(const DibImage& picture) {
    std::array<uint32_t, 256> colours{};
    const uint8_t* entry = picture.palette();
    const size_t count = std::min(picture.paletteEntries(), colours.size());
    for (size_t i = 0; i < count; ++i, entry += 4) colours[i] = packColour(entry[2], entry[1], entry[0]);
    return colours;
}

// Each writes the row's pixels into packed from at on, through the vector's subscript, which a checked build
// bounds.
void unpackIndexed(const uint8_t* row, int width, int bits, const std::array<uint32_t, 256>& colours,
                   std::vector<uint32_t>& packed, size_t at) {
    const int perByte = 8 / bits;
    const unsigned mask = (1u << bits) - 1;
    for (int x = 0; x < width; ++x) {
        const int shift = 8 - bits * (x % perByte + 1);  // most significant bits first
        packed[at + size_t(x)] = colours[(row[x / perByte] >> shift) & mask];
    }
}

void unpack16(const uint8_t* row, int width, std::vector<uint32_t>& packed, size_t at) {
    for (int x = 0; x < width; ++x, row += 2) {
        const unsigned word = row[0] | row[1] << 8;
        packed[at + size_t(x)] = packColour(uint8_t((word >> 10 & 31) * 8), uint8_t((word >> 5 & 31) * 8),
                                            uint8_t((word & 31) * 8));
    }
}

void unpack24(const uint8_t* row, int width, std::vector<uint32_t>& packed, size_t at) {
    for (int x = 0; x < width; ++x, row += 3) packed[at + size_t(x)] = packColour(row[2], row[1], row[0]);
}
}  // namespace

std::vector<uint32_t> unpackPicture(const DibImage& picture) {
    const int width = picture.width();
    const int height = picture.height();
    const int bits = picture.bitCount();
    std::vector<uint32_t> packed(size_t(width) * size_t(height));
    const std::array<uint32_t, 256> colours = paletteColours(picture);
    for (int y = 0; y < height; ++y) {
        const uint8_t* row = picture.pixels() + picture.rowStride() * size_t(y);
        const size_t at = size_t(y) * size_t(width);
        if (bits == 24) {
            unpack24(row, width, packed, at);
        } else if (bits == 16) {
            unpack16(row, width, packed, at);
        } else {
            unpackIndexed(row, width, bits, colours, packed, at);
        }
    }
    return packed;
}
