#include "generators/PictureBmp.h"

#include <istream>
#include <new>
#include <utility>

#include "images/BmpHeaders.h"
#include "images/PackedPicture.h"

namespace {
GeneratorError depthRefusal(int bits) {
    if (bits < 8) return GeneratorError::pictureTooFewColours;
    if (bits == 16) return GeneratorError::pictureHighColour;
    if (bits == 32) return GeneratorError::pictureThirtyTwoBit;
    // Any other depth would have its rows read at a size no writer uses.
    if (bits != 8 && bits != 24) return GeneratorError::pictureUnknownDepth;
    return GeneratorError::none;
}

GeneratorError headerRefusal(const BmpHeaders& headers) {
    if (headers.fileType() != bmpFileType || headers.infoSize() != DibImage::infoHeaderSize) {
        return GeneratorError::pictureReadFailed;
    }
    const GeneratorError depth = depthRefusal(headers.bitCount());
    if (depth != GeneratorError::none) return depth;
    // A negative height, stored top row first, is refused here as too small.
    if (headers.width() < minPictureSide || headers.height() < minPictureSide) {
        return GeneratorError::pictureTooSmall;
    }
    if (headers.width() > maxPictureWidth || headers.height() > maxPictureHeight) {
        return GeneratorError::pictureTooLarge;
    }
    if (headers.compression() != 0) return GeneratorError::pictureCompressed;
    return GeneratorError::none;
}

// Writers leave colours used 0 for a full palette, and more than 256 entries cannot be indexed.
size_t paletteEntriesOf(const BmpHeaders& headers) {
    if (headers.bitCount() != 8) return 0;
    const uint32_t given = headers.coloursUsed();
    return given == 0 || given > 256 ? 256 : given;
}
}  // namespace

GeneratorError readPictureBmp(std::istream& in, PictureGrid& picture) {
    const std::streampos start = in.tellg();
    const BmpHeaders headers = BmpHeaders::read(in);
    if (!in) return GeneratorError::pictureReadFailed;  // shorter than the two headers
    const GeneratorError refusal = headerRefusal(headers);
    if (refusal != GeneratorError::none) return refusal;
    try {
        const size_t paletteEntries = paletteEntriesOf(headers);
        DibImage image = headers.makeImage(paletteEntries);
        if (!readBytes(in, image.palette(), paletteEntries * 4)) return GeneratorError::pictureReadFailed;
        in.seekg(start + std::streamoff(headers.pixelDataOffset()));
        if (!in || !readBytes(in, image.pixels(), image.imageSize()))
            return GeneratorError::pictureReadFailed;
        std::vector<uint32_t> pixels = unpackPicture(image);
        picture = {image.width(), image.height(), std::move(pixels)};
    } catch (const std::bad_alloc&) {
        return GeneratorError::pictureReadFailed;
    }
    return GeneratorError::none;
}
