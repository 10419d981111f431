#include "resources/skin/IconArt.h"

#include <cmath>

namespace {
constexpr int iconSizes[] = {48, 32, 16};

void putLe16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
}
void putLe32(std::vector<uint8_t>& out, uint32_t v) {
    putLe16(out, v & 0xFFFF);
    putLe16(out, v >> 16);
}

struct IconImage {
    Picture colour;
    std::vector<uint8_t> alpha;  // 0..255, top row first
};

// A rounded tile in the skin's blue and violet with a white eighth note.
IconImage drawIcon(TextRenderer& text, int size) {
    IconImage icon{Picture(size, size), std::vector<uint8_t>(size_t(size) * size)};
    const face::Rect tile{0, 0, size, size};
    const double radius = size / 5.0;
    // The colour fills the whole square; the rounded outline lives in the alpha channel.
    icon.colour.verticalGradient(tile, {90, 150, 240}, {120, 50, 170});
    for (int x = 0; x < size; ++x) icon.colour.blend(x, size / 16 + 1, {255, 255, 255}, 0.25);
    const int glyphSize = size * 7 / 8;
    text.draw(icon.colour, "♪", size / 2 + size / 32, size * 13 / 16, glyphSize, {255, 255, 255},
              Align::centre);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            icon.alpha[size_t(y) * size + x] =
                uint8_t(std::lround(255 * Picture::roundedCoverage(tile, radius, x, y)));
    return icon;
}

// One icon image as stored in the file: an info header of double height, the BGRA rows bottom-up, then the
// one-bit AND mask (1 = transparent), rows padded to four bytes.
std::vector<uint8_t> encodeImage(const IconImage& icon) {
    const int size = icon.colour.width();
    const size_t maskStride = ((size + 31) / 32) * 4;
    std::vector<uint8_t> out;
    putLe32(out, 40);
    putLe32(out, uint32_t(size));
    putLe32(out, uint32_t(2 * size));
    putLe16(out, 1);
    putLe16(out, 32);
    putLe32(out, 0);
    putLe32(out, uint32_t(size * size * 4 + maskStride * size));
    for (int i = 0; i < 4; ++i) putLe32(out, 0);
    for (int y = size - 1; y >= 0; --y)
        for (int x = 0; x < size; ++x) {
            const Rgb c = icon.colour.at(x, y);
            const uint8_t a = icon.alpha[size_t(y) * size + x];
            // Fully transparent pixels are stored black, as viewers that ignore alpha expect.
            out.push_back(a ? c.b : 0);
            out.push_back(a ? c.g : 0);
            out.push_back(a ? c.r : 0);
            out.push_back(a);
        }
    for (int y = size - 1; y >= 0; --y) {
        std::vector<uint8_t> row(maskStride, 0);
        for (int x = 0; x < size; ++x)
            if (icon.alpha[size_t(y) * size + x] < 128) row[x / 8] |= uint8_t(0x80 >> (x % 8));
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}
}  // namespace

std::vector<uint8_t> makeIconFile(TextRenderer& text) {
    std::vector<std::vector<uint8_t>> images;
    for (int size : iconSizes) images.push_back(encodeImage(drawIcon(text, size)));

    std::vector<uint8_t> out;
    putLe16(out, 0);
    putLe16(out, 1);  // icon, not cursor
    putLe16(out, uint16_t(images.size()));
    uint32_t offset = uint32_t(6 + 16 * images.size());
    for (size_t i = 0; i < images.size(); ++i) {
        out.push_back(uint8_t(iconSizes[i]));
        out.push_back(uint8_t(iconSizes[i]));
        out.push_back(0);  // no palette
        out.push_back(0);
        putLe16(out, 1);
        putLe16(out, 32);
        putLe32(out, uint32_t(images[i].size()));
        putLe32(out, offset);
        offset += uint32_t(images[i].size());
    }
    for (const auto& image : images) out.insert(out.end(), image.begin(), image.end());
    return out;
}
