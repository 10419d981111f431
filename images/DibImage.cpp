#include "images/DibImage.h"

namespace {
uint32_t readLe32(const uint8_t* p) { return p[0] | p[1] << 8 | p[2] << 16 | uint32_t(p[3]) << 24; }
uint16_t readLe16(const uint8_t* p) { return uint16_t(p[0] | p[1] << 8); }
void writeLe32(uint8_t* p, uint32_t v) {
    for (int i = 0; i < 4; ++i) p[i] = uint8_t(v >> (8 * i));
}
void writeLe16(uint8_t* p, uint16_t v) {
    p[0] = uint8_t(v);
    p[1] = uint8_t(v >> 8);
}
}  // namespace

DibImage DibImage::create24(int width, int height) {
    const size_t imageSize = rowStride(width, 24) * size_t(height);
    std::vector<uint8_t> block(infoHeaderSize + imageSize, 0);
    uint8_t* h = block.data();
    writeLe32(h, infoHeaderSize);
    writeLe32(h + 4, uint32_t(width));
    writeLe32(h + 8, uint32_t(height));
    writeLe16(h + 12, 1);
    writeLe16(h + 14, 24);
    writeLe32(h + 20, uint32_t(imageSize));
    return fromBlock(std::move(block));
}

DibImage DibImage::fromBlock(std::vector<uint8_t> block) {
    DibImage image;
    image.block_ = std::move(block);
    return image;
}

int DibImage::width() const { return empty() ? 0 : int32_t(readLe32(block_.data() + 4)); }

int DibImage::height() const {
    if (empty()) return 0;
    const int32_t h = int32_t(readLe32(block_.data() + 8));
    return h < 0 ? -h : h;
}

int DibImage::bitCount() const { return empty() ? 0 : readLe16(block_.data() + 14); }

size_t DibImage::pixelOffset() const {
    if (empty()) return 0;
    const int bits = bitCount();
    if (bits > 8) return infoHeaderSize;
    size_t colours = readLe32(block_.data() + 32);
    if (colours == 0) colours = size_t(1) << bits;
    return infoHeaderSize + colours * 4;
}

uint32_t DibImage::packedAt(int x, int yFromTop) const {
    const uint8_t* p = pixelAt(x, height() - 1 - yFromTop);
    return packColour(p[2], p[1], p[0]);
}

void DibImage::setPackedAt(int x, int yFromTop, uint32_t packed) {
    uint8_t* p = pixelAt(x, height() - 1 - yFromTop);
    p[0] = uint8_t(packed >> 16);
    p[1] = uint8_t(packed >> 8);
    p[2] = uint8_t(packed);
}

std::vector<uint8_t> encodeBmpFile(const DibImage& image) {
    std::vector<uint8_t> file(DibImage::fileHeaderSize);
    file[0] = 'B';
    file[1] = 'M';
    writeLe32(&file[2], uint32_t(DibImage::fileHeaderSize + image.block().size()));
    writeLe32(&file[10], uint32_t(DibImage::fileHeaderSize + image.pixelOffset()));
    file.insert(file.end(), image.block().begin(), image.block().end());
    return file;
}
