#include "images/PluginPicture.h"

#include <algorithm>
#include <new>
#include <vector>

#include "images/LittleEndian.h"
#include "images/PreviewBmp.h"

ImageError pictureFromPluginBlocks(const uint8_t* info, size_t infoSize, const uint8_t* bits, size_t bitsSize,
                                   DibImage& picture) {
    picture = DibImage();
    const ImageError broken = ImageError::damaged;
    if (info == nullptr || infoSize < DibImage::infoHeaderSize) return broken;
    const size_t headerSize = readLe32(info);
    if (headerSize < DibImage::infoHeaderSize || headerSize > infoSize) return broken;

    const int bitCount = readLe16(info + 14);
    if (!isPictureDepth(bitCount)) return ImageError::unsupportedDepth;
    if (readLe32(info + 16) != 0) return ImageError::compressed;
    const int32_t width = int32_t(readLe32(info + 4));
    const int32_t height = int32_t(readLe32(info + 8));
    if (width > maxPreviewSize || height > maxPreviewSize) return ImageError::tooLarge;
    if (width <= 0 || height <= 0) return broken;

    const size_t givenEntries = declaredPaletteEntries(bitCount, readLe32(info + 32));
    if (givenEntries > (infoSize - headerSize) / 4) return broken;
    const size_t imageSize = DibImage::rowStride(width, bitCount) * size_t(height);
    if (bits == nullptr || bitsSize < imageSize) return broken;

    const size_t paletteEntries = bitCount <= 8 ? size_t(1) << bitCount : 0;
    std::vector<uint8_t> block;
    try {
        block.assign(DibImage::infoHeaderSize + paletteEntries * 4 + imageSize, 0);
    } catch (const std::bad_alloc&) {
        return ImageError::noMemory;
    }
    uint8_t* header = block.data();
    std::copy(info, info + DibImage::infoHeaderSize, header);
    writeLe32(header, DibImage::infoHeaderSize);
    writeLe16(header + 12, 1);
    writeLe32(header + 20, uint32_t(imageSize));
    writeLe32(header + 32, uint32_t(paletteEntries));
    writeLe32(header + 36, 0);
    const size_t copiedEntries = std::min(givenEntries, paletteEntries);
    std::copy(info + headerSize, info + headerSize + copiedEntries * 4, header + DibImage::infoHeaderSize);
    std::copy(bits, bits + imageSize, header + DibImage::infoHeaderSize + paletteEntries * 4);
    picture = DibImage::fromBlock(std::move(block));
    return ImageError::none;
}
