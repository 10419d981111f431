#include <gtest/gtest.h>

#include <sstream>

#include "images/LittleEndian.h"
#include "images/SkinBmp.h"
#include "tests/images/BmpBuilder.h"

namespace {
BmpBuilder validFace() {
    BmpBuilder bmp(faceWidth, faceHeight, 24);
    bmp.pixel24(0, 0, packColour(1, 2, 3)).pixel24(787, 539, packColour(250, 251, 252));
    return bmp;
}

DibImage readFace(const std::vector<uint8_t>& file) {
    std::istringstream in = BmpBuilder::streamOf(file);
    DibImage face = DibImage::create24(2, 2);
    const bool ok = readFaceBmp(in, face);
    EXPECT_EQ(ok, !face.empty()) << "a refusal must leave no image, a success a full one";
    return face;
}
}  // namespace

// An image size field of 0 or one far too small still means the full pixel area.
TEST(SkinBmp, FaceKeepsEveryPixelWhateverItsImageSizeIsSavedWithBothHeadersAndMakesAMask) {
    for (uint32_t imageSize : {0u, 10u}) {
        const DibImage face = readFace(validFace().imageSizeField(imageSize).bytes());
        ASSERT_TRUE(face.isComplete());  // stored row 0 is the bottom row
        EXPECT_EQ(std::pair(face.packedAt(0, 539), face.packedAt(787, 0)),
                  std::pair(packColour(1, 2, 3), packColour(250, 251, 252)));
    }
    const DibImage face = readFace(validFace().bytes());
    std::ostringstream out;
    ASSERT_TRUE(writeBmpFile(out, face));
    const std::vector<uint8_t> encoded = encodeBmpFile(face);
    EXPECT_EQ(out.str(), std::string(encoded.begin(), encoded.end()));
    // The file's size, as its header says it too, and the pixels following both headers.
    constexpr size_t fileSize = 14 + 40 + 788 * 3 * 540;
    EXPECT_EQ(std::tuple(encoded.size(), readLe32(&encoded[2]), readLe32(&encoded[10])),
              std::tuple(fileSize, fileSize, 54u));
    EXPECT_EQ(readFace(encoded).block(), face.block());

    // As a mask: row 0 is the bottom row, and only a face-sized 24-bit picture converts.
    const std::optional<MaskGrid> grid = makeMaskGrid(face);
    ASSERT_TRUE(grid);
    EXPECT_EQ(std::pair(grid->at(0, 0), grid->at(787, 539)),
              std::pair(packColour(1, 2, 3), packColour(250, 251, 252)));
    EXPECT_FALSE(makeMaskGrid(DibImage::create24(788, 539)) || makeMaskGrid(DibImage()));
}

// A palette or compressed file of the face's size must not be taken for 24-bit pixels: the mask
// conversion would then read 3 bytes per pixel from an area a third that size.
TEST(SkinBmp, ReadersAcceptOnlyComplete24BitUncompressedPicturesOfTheirExactSize) {
    for (const std::vector<uint8_t>& file :
         {BmpBuilder(787, 540, 24).bytes(), BmpBuilder(788, 541, 24).bytes(),
          BmpBuilder(788, -540, 24).bytes(), BmpBuilder(buttonSheetWidth, buttonSheetHeight, 24).bytes(),
          BmpBuilder(788, 540, 8).bytes(), BmpBuilder(788, 540, 32).bytes(),
          validFace().compression(1).bytes(), validFace().fileType(0x5A4D).bytes(),
          validFace().infoSize(108).bytes(), validFace().bytes(14 + 40 + 788 * 3 * 540 - 1)})
        EXPECT_TRUE(readFace(file).empty()) << file.size();

    DibImage sheet;
    std::istringstream button = BmpBuilder(buttonSheetWidth, buttonSheetHeight, 24).stream();
    EXPECT_TRUE(readButtonBmp(button, sheet));
    std::istringstream face = validFace().stream();
    EXPECT_FALSE(readButtonBmp(face, sheet) || !sheet.empty()) << "a refusal leaves no image";
}
