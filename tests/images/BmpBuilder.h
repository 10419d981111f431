#pragma once
#include <cstdint>
#include <sstream>
#include <vector>

// Builds BMP files for tests field by field, so that any field can be made what a reader must refuse:
//   BmpBuilder bmp(5, 2, 4);               // 5 x 2 pixels, 4 bits, palette of 16, zero pixels
//   bmp.paletteEntry(1, 0x0000FF);         // index 1 = pure red (packed colour)
//   bmp.row(0)[0] = 0x10;                  // bottom row: first pixel index 1, second 0
//   std::istringstream file = bmp.stream();
class BmpBuilder {
  public:
    // Headers of a valid uncompressed file; for 8 bits or fewer a zero palette of the full size.
    BmpBuilder(int32_t width, int32_t height, int bitCount);

    BmpBuilder& fileType(uint16_t type) {
        fileType_ = type;
        return *this;
    }
    BmpBuilder& infoSize(uint32_t size) { return infoField(0, size); }
    BmpBuilder& compression(uint32_t kind) { return infoField(16, kind); }
    BmpBuilder& imageSizeField(uint32_t size) { return infoField(20, size); }
    // Sets the header field only; the palette written keeps its own length.
    BmpBuilder& coloursUsed(uint32_t count) { return infoField(32, count); }
    BmpBuilder& paletteLength(size_t entries) {
        palette_.resize(entries * 4);
        return *this;
    }
    BmpBuilder& paletteEntry(size_t index, uint32_t packed);

    // The stored row (0 = first row in the file) as bytes, padding included.
    uint8_t* row(int storedRow) { return &pixels_[size_t(storedRow) * stride_]; }
    BmpBuilder& pixel24(int x, int storedRow, uint32_t packed);

    std::vector<uint8_t> bytes() const;
    std::istringstream stream() const { return streamOf(bytes()); }
    static std::istringstream streamOf(const std::vector<uint8_t>& bytes) {
        return std::istringstream(std::string(bytes.begin(), bytes.end()));
    }

  private:
    BmpBuilder& infoField(size_t offset, uint32_t value);

    std::vector<uint8_t> info_;
    std::vector<uint8_t> palette_;
    std::vector<uint8_t> pixels_;
    uint16_t fileType_ = 0x4D42;
    size_t stride_;
};
