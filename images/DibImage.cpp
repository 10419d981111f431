#include "images/DibImage.h"

#include <algorithm>
#include <array>
#include <ostream>

#include "images/LittleEndian.h"

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

int DibImage::width() const {
    return empty() ? 0 : int32_t(readLe32(block_.data() + 4));
}

int DibImage::height() const {
    if (empty()) return 0;
    const int32_t h = int32_t(readLe32(block_.data() + 8));
    return h < 0 ? -h : h;
}

int DibImage::bitCount() const {
    return empty() ? 0 : readLe16(block_.data() + 14);
}

size_t DibImage::paletteEntries() const {
    const int bits = bitCount();
    if (empty() || bits > 8) return 0;
    const size_t colours = readLe32(block_.data() + 32);
    return colours != 0 ? colours : size_t(1) << bits;
}

size_t DibImage::pixelOffset() const {
    return empty() ? 0 : infoHeaderSize + paletteEntries() * 4;
}

bool DibImage::isComplete() const {
    if (block_.size() < infoHeaderSize) return false;
    const uint8_t* h = block_.data();
    const int32_t w = int32_t(readLe32(h + 4));
    const int32_t rows = int32_t(readLe32(h + 8));
    const int bits = bitCount();
    const bool knownDepth = bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24;
    if (readLe32(h) != infoHeaderSize || w <= 0 || rows <= 0 || !knownDepth || readLe32(h + 16) != 0) {
        return false;
    }
    // 64-bit sums: a header may claim sizes that overflow a 32-bit size_t.
    const uint64_t stride = (uint64_t(w) * bits + 31) / 32 * 4;
    const uint64_t needed = infoHeaderSize + uint64_t(paletteEntries()) * 4 + stride * uint64_t(rows);
    return needed <= block_.size();
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

namespace {
std::array<uint8_t, DibImage::fileHeaderSize> fileHeaderOf(const DibImage& image) {
    std::array<uint8_t, DibImage::fileHeaderSize> header{};
    header[0] = 'B';
    header[1] = 'M';
    writeLe32(&header[2], uint32_t(DibImage::fileHeaderSize + image.block().size()));
    writeLe32(&header[10], uint32_t(DibImage::fileHeaderSize + image.pixelOffset()));
    return header;
}
}  // namespace

std::vector<uint8_t> encodeBmpFile(const DibImage& image) {
    const auto header = fileHeaderOf(image);
    std::vector<uint8_t> file(header.size() + image.block().size());
    std::copy(header.begin(), header.end(), file.begin());
    std::copy(image.block().begin(), image.block().end(), file.begin() + header.size());
    return file;
}

bool writeBmpFile(std::ostream& out, const DibImage& image) {
    const auto header = fileHeaderOf(image);
    out.write(reinterpret_cast<const char*>(header.data()), std::streamsize(header.size()));
    out.write(reinterpret_cast<const char*>(image.block().data()), std::streamsize(image.block().size()));
    out.flush();
    return bool(out);
}
