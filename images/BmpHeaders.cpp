#include "images/BmpHeaders.h"

#include <algorithm>
#include <cstdlib>
#include <istream>

#include "images/LittleEndian.h"

BmpHeaders BmpHeaders::read(std::istream& in) {
    BmpHeaders headers;
    readBytes(in, headers.bytes_.data(), headers.bytes_.size());
    return headers;
}

bool readBytes(std::istream& in, uint8_t* out, size_t count) {
    in.read(reinterpret_cast<char*>(out), std::streamsize(count));
    return size_t(in.gcount()) == count;
}

namespace {
constexpr size_t info = DibImage::fileHeaderSize;
}

uint16_t BmpHeaders::fileType() const {
    return readLe16(&bytes_[0]);
}
uint32_t BmpHeaders::pixelDataOffset() const {
    return readLe32(&bytes_[10]);
}
uint32_t BmpHeaders::infoSize() const {
    return readLe32(&bytes_[info]);
}
int32_t BmpHeaders::width() const {
    return int32_t(readLe32(&bytes_[info + 4]));
}
int32_t BmpHeaders::height() const {
    return int32_t(readLe32(&bytes_[info + 8]));
}
int BmpHeaders::bitCount() const {
    return readLe16(&bytes_[info + 14]);
}
uint32_t BmpHeaders::compression() const {
    return readLe32(&bytes_[info + 16]);
}
uint32_t BmpHeaders::coloursUsed() const {
    return readLe32(&bytes_[info + 32]);
}

DibImage BmpHeaders::makeImage(size_t paletteEntries) const {
    const int32_t rows = std::abs(height());
    const size_t imageSize = DibImage::rowStride(width(), bitCount()) * size_t(rows);
    std::vector<uint8_t> block(DibImage::infoHeaderSize + paletteEntries * 4 + imageSize, 0);
    std::copy(bytes_.begin() + info, bytes_.end(), block.begin());
    writeLe32(&block[8], uint32_t(rows));
    writeLe32(&block[20], uint32_t(imageSize));
    writeLe32(&block[32], uint32_t(paletteEntries));
    return DibImage::fromBlock(std::move(block));
}
