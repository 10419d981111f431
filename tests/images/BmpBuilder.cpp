#include "tests/images/BmpBuilder.h"

#include <cstdlib>

#include "images/LittleEndian.h"

BmpBuilder::BmpBuilder(int32_t width, int32_t height, int bitCount)
    : info_(40, 0), stride_(((size_t(std::llabs(width)) * bitCount + 31) / 32) * 4) {
    infoField(0, 40).infoField(4, uint32_t(width)).infoField(8, uint32_t(height));
    writeLe16(&info_[12], 1);
    writeLe16(&info_[14], uint16_t(bitCount));
    if (bitCount <= 8) paletteLength(size_t(1) << bitCount);
    // Small enough for the huge sizes a reader must refuse before it reads the pixels.
    const uint64_t rows = uint64_t(std::llabs(height));
    if (stride_ * rows <= 16u << 20) pixels_.resize(size_t(stride_ * rows));
}

BmpBuilder& BmpBuilder::infoField(size_t offset, uint32_t value) {
    writeLe32(&info_[offset], value);
    return *this;
}

// Palette entries and 24-bit pixels are stored blue, green, red.
static void putBgr(uint8_t* p, uint32_t packed) {
    p[0] = uint8_t(packed >> 16);
    p[1] = uint8_t(packed >> 8);
    p[2] = uint8_t(packed);
}

BmpBuilder& BmpBuilder::paletteEntry(size_t index, uint32_t packed) {
    putBgr(&palette_.at(index * 4), packed);
    return *this;
}

BmpBuilder& BmpBuilder::pixel24(int x, int storedRow, uint32_t packed) {
    putBgr(row(storedRow) + size_t(x) * 3, packed);
    return *this;
}

std::vector<uint8_t> BmpBuilder::bytes() const {
    std::vector<uint8_t> file(14);
    writeLe16(&file[0], fileType_);
    const size_t offset = 14 + info_.size() + palette_.size();
    writeLe32(&file[2], uint32_t(offset + pixels_.size()));
    writeLe32(&file[10], uint32_t(offset));
    for (const std::vector<uint8_t>* part : {&info_, &palette_, &pixels_}) {
        file.insert(file.end(), part->begin(), part->end());
    }
    return file;
}
