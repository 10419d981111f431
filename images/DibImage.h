#pragma once
#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <vector>

// A device-independent bitmap in one block, laid out as a BMP file without its 14-byte file header:
// the 40-byte info header, the palette (if any), then the pixel rows, bottom row first, each row padded
// to a multiple of 4 bytes. This is the program's one pixel type; only the GDI canvas turns it into a
// bitmap for the screen.
class DibImage {
  public:
    static constexpr size_t infoHeaderSize = 40;
    static constexpr size_t fileHeaderSize = 14;

    DibImage() = default;
    // A zero-filled (black) uncompressed 24-bit image.
    static DibImage create24(int width, int height);
    // Takes a block that already holds a checked info header, palette and pixels.
    static DibImage fromBlock(std::vector<uint8_t> block);

    bool empty() const { return block_.empty(); }
    int width() const;
    int height() const;  // always positive: stored rows run bottom-up
    int bitCount() const;
    size_t rowStride() const { return rowStride(width(), bitCount()); }
    static size_t rowStride(int width, int bitCount) { return ((size_t(width) * bitCount + 31) / 32) * 4; }
    size_t imageSize() const { return rowStride() * size_t(height()); }
    // Entries of 4 bytes (blue, green, red, reserved) after the header; 0 above 8 bits per pixel.
    size_t paletteEntries() const;
    // Whether the header describes an uncompressed, bottom-up picture of 1, 4, 8, 16 or 24 bits whose
    // palette and pixels all lie inside the block, so that every access above stays inside it.
    bool isComplete() const;

    const std::vector<uint8_t>& block() const { return block_; }
    uint8_t* palette() { return block_.data() + infoHeaderSize; }
    const uint8_t* palette() const { return block_.data() + infoHeaderSize; }
    size_t pixelOffset() const;  // offset of the bottom pixel row inside block()
    uint8_t* pixels() { return block_.data() + pixelOffset(); }
    const uint8_t* pixels() const { return block_.data() + pixelOffset(); }

    // 24-bit access by stored row (0 = bottom row) and column; colours as blue, green, red.
    uint8_t* pixelAt(int x, int storedRow) { return pixels() + storedRow * rowStride() + x * 3; }
    const uint8_t* pixelAt(int x, int storedRow) const { return pixels() + storedRow * rowStride() + x * 3; }
    // 24-bit colour of the pixel at x, y counted downwards from the top row as seen, packed as
    // red | green << 8 | blue << 16.
    uint32_t packedAt(int x, int yFromTop) const;
    void setPackedAt(int x, int yFromTop, uint32_t packed);

  private:
    std::vector<uint8_t> block_;
};

// Packed colour: red in bits 0-7, green in bits 8-15, blue in bits 16-23.
constexpr uint32_t packColour(uint8_t red, uint8_t green, uint8_t blue) {
    return uint32_t(red) | uint32_t(green) << 8 | uint32_t(blue) << 16;
}

// The BMP file of an image: the 14-byte file header ("BM", file size, pixel offset) and the block.
std::vector<uint8_t> encodeBmpFile(const DibImage& image);
// Writes the same bytes to a stream; false when the stream reports a failed write.
bool writeBmpFile(std::ostream& out, const DibImage& image);
