#pragma once
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <vector>

#include "images/LittleEndian.h"

// Builds BMP files for tests field by field, so that any field can be made what a reader must refuse:
//   BmpBuilder bmp(5, 2, 4);               // 5 x 2 pixels, 4 bits, palette of 16, zero pixels
//   bmp.paletteEntry(1, 0x0000FF);         // index 1 = pure red (packed colour)
//   bmp.row(0)[0] = 0x10;                  // bottom row: first pixel index 1, second 0
//   std::istringstream file = bmp.stream();
class BmpBuilder {
  public:
    // Headers of a valid uncompressed file; for 8 bits or fewer a zero palette of the full size.
    BmpBuilder(int32_t width, int32_t height, int bitCount)
        : stride_((size_t(std::llabs(width)) * bitCount + 31) / 32 * 4) {
        field(0, 40).field(4, uint32_t(width)).field(8, uint32_t(height));
        field(12, 1 | uint32_t(bitCount) << 16);  // one plane
        if (bitCount <= 8) paletteLength(size_t(1) << bitCount);
        // Small enough for the huge sizes a reader must refuse before it reads the pixels.
        const uint64_t size = stride_ * uint64_t(std::llabs(height));
        if (size <= 16u << 20) pixels_.resize(size_t(size));
    }

    BmpBuilder& fileType(uint16_t type) { return fileType_ = type, *this; }
    BmpBuilder& infoSize(uint32_t size) { return field(0, size); }
    BmpBuilder& compression(uint32_t kind) { return field(16, kind); }
    BmpBuilder& imageSizeField(uint32_t size) { return field(20, size); }
    // Sets the header field only; the palette written keeps its own length.
    BmpBuilder& coloursUsed(uint32_t count) { return field(32, count); }
    BmpBuilder& paletteLength(size_t entries) { return palette_.resize(entries * 4), *this; }
    BmpBuilder& paletteEntry(size_t index, uint32_t packed) {
        return putBgr(&palette_.at(index * 4), packed);
    }
    BmpBuilder& pixel24(int x, int storedRow, uint32_t packed) {
        return putBgr(row(storedRow) + x * 3, packed);
    }
    // The stored row (0 = first row in the file) as bytes, padding included.
    uint8_t* row(int storedRow) { return &pixels_[size_t(storedRow) * stride_]; }

    // The file, cut off after the given length if it is longer.
    std::vector<uint8_t> bytes(size_t length = SIZE_MAX) const {
        std::vector<uint8_t> file(14);
        writeLe16(&file[0], fileType_);
        const size_t offset = 14 + info_.size() + palette_.size();
        writeLe32(&file[2], uint32_t(offset + pixels_.size()));
        writeLe32(&file[10], uint32_t(offset));
        for (const std::vector<uint8_t>* part : {&info_, &palette_, &pixels_})
            file.insert(file.end(), part->begin(), part->end());
        file.resize(std::min(file.size(), length));
        return file;
    }
    std::istringstream stream() const { return streamOf(bytes()); }
    static std::istringstream streamOf(const std::vector<uint8_t>& bytes) {
        return std::istringstream(std::string(bytes.begin(), bytes.end()));
    }

  private:
    BmpBuilder& field(size_t offset, uint32_t value) { return writeLe32(&info_[offset], value), *this; }
    // Palette entries and 24-bit pixels are stored blue, green, red.
    BmpBuilder& putBgr(uint8_t* p, uint32_t packed) {
        p[0] = uint8_t(packed >> 16), p[1] = uint8_t(packed >> 8), p[2] = uint8_t(packed);
        return *this;
    }

    std::vector<uint8_t> info_ = std::vector<uint8_t>(40);
    std::vector<uint8_t> palette_;
    std::vector<uint8_t> pixels_;
    uint16_t fileType_ = 0x4D42;
    size_t stride_;
};
