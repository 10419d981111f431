#include "images/SkinBmp.h"

#include <istream>
#include <new>

#include "images/BmpHeaders.h"

namespace {
// The headers are checked before the pixels are read from directly behind them, so a palette image,
// a compressed one or one with a different header can never be taken for 24-bit pixels.
bool readSkinBmp(std::istream& in, int width, int height, DibImage& image) {
    image = DibImage();
    const BmpHeaders headers = BmpHeaders::read(in);
    if (headers.width() != width || headers.height() != height) return false;
    if (headers.fileType() != bmpFileType || headers.infoSize() != DibImage::infoHeaderSize ||
        headers.bitCount() != 24 || headers.compression() != 0) {
        return false;
    }
    try {
        DibImage read = headers.makeImage(0);
        if (!readBytes(in, read.pixels(), read.imageSize())) return false;
        image = std::move(read);
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}
}  // namespace

bool readFaceBmp(std::istream& in, DibImage& face) {
    return readSkinBmp(in, faceWidth, faceHeight, face);
}

bool readButtonBmp(std::istream& in, DibImage& buttonSheet) {
    return readSkinBmp(in, buttonSheetWidth, buttonSheetHeight, buttonSheet);
}

std::optional<MaskGrid> makeMaskGrid(const DibImage& mask) {
    if (!mask.isComplete() || mask.width() != faceWidth || mask.height() != faceHeight ||
        mask.bitCount() != 24) {
        return std::nullopt;
    }
    MaskGrid grid;
    for (int row = 0; row < faceHeight; ++row) {
        for (int column = 0; column < faceWidth; ++column) {
            const uint8_t* p = mask.pixelAt(column, row);
            grid.set(column, row, packColour(p[2], p[1], p[0]));
        }
    }
    return grid;
}
