#include "images/PreviewBmp.h"

#include <algorithm>
#include <cstdint>
#include <istream>
#include <new>

#include "images/BmpHeaders.h"

namespace {
void storeBottomRowFirst(DibImage& image) {
    const size_t stride = image.rowStride();
    uint8_t* top = image.pixels();
    uint8_t* bottom = top + stride * size_t(image.height() - 1);
    for (; top < bottom; top += stride, bottom -= stride) std::swap_ranges(top, top + stride, bottom);
}
}  // namespace

ImageError readPreviewBmp(std::istream& in, DibImage& preview) {
    const BmpHeaders headers = BmpHeaders::read(in);
    if (headers.fileType() != bmpFileType) return ImageError::notBmp;
    if (headers.infoSize() != DibImage::infoHeaderSize) return ImageError::notWindowsFormat;
    if (headers.bitCount() == 32) return ImageError::thirtyTwoBit;
    if (!isPictureDepth(headers.bitCount())) return ImageError::unsupportedDepth;
    if (headers.compression() != 0) return ImageError::compressed;
    // 64 bits, because the magnitude of the most negative height does not fit 32.
    const int64_t width = headers.width();
    const int64_t rows = headers.height() < 0 ? -int64_t(headers.height()) : headers.height();
    if (width > maxPreviewSize || rows > maxPreviewSize) return ImageError::tooLarge;
    if (width <= 0 || rows == 0) return ImageError::damaged;

    preview = DibImage();
    const size_t paletteEntries = declaredPaletteEntries(headers.bitCount(), headers.coloursUsed());
    DibImage image;
    try {
        image = headers.makeImage(paletteEntries);
    } catch (const std::bad_alloc&) {
        return ImageError::noMemory;
    }
    if (!readBytes(in, image.palette(), paletteEntries * 4) ||
        !readBytes(in, image.pixels(), image.imageSize())) {
        return ImageError::damaged;
    }
    if (headers.height() < 0) storeBottomRowFirst(image);
    preview = std::move(image);
    return ImageError::none;
}
