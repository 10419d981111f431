#pragma once
// A small reader for the generated skin files: uncompressed 24-bit BMPs, nothing more.
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

struct SkinBitmap {
    std::vector<uint8_t> bytes;
    int width = 0;
    int height = 0;
    int bitCount = 0;
    uint32_t compression = 0;
    uint32_t pixelOffset = 0;
    bool ok = false;

    static uint32_t le32(const uint8_t* p) { return p[0] | p[1] << 8 | p[2] << 16 | uint32_t(p[3]) << 24; }

    static std::vector<uint8_t> readFile(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    static SkinBitmap load(const std::string& path) {
        SkinBitmap b;
        b.bytes = readFile(path);
        if (b.bytes.size() < 54 || b.bytes[0] != 'B' || b.bytes[1] != 'M') return b;
        const uint8_t* h = b.bytes.data() + 14;
        b.width = int32_t(le32(h + 4));
        b.height = int32_t(le32(h + 8));
        b.bitCount = h[14] | h[15] << 8;
        b.compression = le32(h + 16);
        b.pixelOffset = le32(b.bytes.data() + 10);
        const size_t stride = ((size_t(b.width) * 3 + 3) / 4) * 4;
        b.ok = b.bitCount == 24 && b.compression == 0 && b.width > 0 && b.height > 0 &&
               b.pixelOffset + stride * b.height <= b.bytes.size();
        return b;
    }

    // Colour of the pixel x, y (y from the top row as seen) as red | green << 8 | blue << 16.
    uint32_t at(int x, int y) const {
        const size_t stride = ((size_t(width) * 3 + 3) / 4) * 4;
        const uint8_t* p = bytes.data() + pixelOffset + stride * (height - 1 - y) + 3 * size_t(x);
        return p[2] | p[1] << 8 | uint32_t(p[0]) << 16;
    }
};

constexpr uint32_t pureRed = 0x0000FF;
constexpr uint32_t pureBlack = 0x000000;
constexpr uint32_t pureWhite = 0xFFFFFF;

inline std::string skinFile(const char* name) {
    return std::string(VELMIRA_SKIN_DIR) + "/" + name;
}
