#pragma once
// A small reader for the generated skin files: uncompressed 24-bit BMPs, nothing more.
#include <cstdint>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "app/FaceLayout.h"

constexpr uint32_t pureRed = 0x0000FF;
constexpr uint32_t pureBlack = 0x000000;
constexpr uint32_t pureWhite = 0xFFFFFF;
constexpr uint32_t noPixel = 0xFF000000;

inline uint32_t le32(const uint8_t* p) {
    return p[0] | p[1] << 8 | p[2] << 16 | uint32_t(p[3]) << 24;
}

inline std::vector<uint8_t> readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline std::string skinFile(const std::string& name) {
    return std::string(VELMIRA_SKIN_DIR) + "/" + name;
}

struct SkinBitmap {
    explicit SkinBitmap(const std::string& path) : bytes(readBytes(path)) {
        if (bytes.size() < 54 || bytes[0] != 'B' || bytes[1] != 'M') return;
        width = int32_t(le32(&bytes[18]));
        height = int32_t(le32(&bytes[22]));
        pixelOffset = le32(&bytes[10]);
        ok = (bytes[28] | bytes[29] << 8) == 24 && le32(&bytes[30]) == 0 && width > 0 && height > 0 &&
             pixelOffset + stride() * height <= bytes.size();
    }
    size_t stride() const { return (size_t(width) * 3 + 3) / 4 * 4; }
    // Colour of the pixel x, y (y from the top row as seen) as red | green << 8 | blue << 16; outside the
    // picture, a value no pixel has.
    uint32_t at(int x, int y) const {
        if (!ok || x < 0 || y < 0 || x >= width || y >= height) return noPixel;
        const uint8_t* p = bytes.data() + pixelOffset + stride() * (height - 1 - y) + 3 * size_t(x);
        return p[2] | p[1] << 8 | uint32_t(p[0]) << 16;
    }

    std::vector<uint8_t> bytes;
    int width = 0;
    int height = 0;
    uint32_t pixelOffset = 0;
    bool ok = false;
};

// A skin file of the build, read once per test run.
inline const SkinBitmap& skinPicture(const std::string& name) {
    static std::map<std::string, SkinBitmap> read;
    return read.try_emplace(name, skinFile(name)).first->second;
}

// The first pixel of the rectangle for which wrong(x, y) holds, as "x,y"; empty when there is none.
template <typename Wrong>
std::string firstWrongPixel(const face::Rect& r, Wrong wrong) {
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            if (wrong(x, y)) return std::to_string(x) + "," + std::to_string(y);
    return {};
}
