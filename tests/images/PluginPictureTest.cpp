#include <gtest/gtest.h>

#include <vector>

#include "images/FaceComposer.h"
#include "images/LittleEndian.h"
#include "images/PackedPicture.h"
#include "images/PluginPicture.h"
#include "images/PreviewBmp.h"
#include "tests/images/BmpBuilder.h"
#include "tests/support/AllocationCounter.h"

namespace {
// The two blocks a plug-in hands back, cut from a BMP file built field by field so that any of them can be
// made hostile: the information header with its palette, and the pixels.
struct PluginBlocks {
    std::vector<uint8_t> info;
    std::vector<uint8_t> bits;

    PluginBlocks(const BmpBuilder& bmp) {
        const std::vector<uint8_t> file = bmp.bytes();
        const auto pixels = file.begin() + readLe32(&file[10]);
        info.assign(file.begin() + 14, pixels);
        bits.assign(pixels, file.end());
    }
    PluginBlocks& infoLength(size_t length) { return info.resize(length), *this; }
    PluginBlocks& bitsLength(size_t length) { return bits.resize(length), *this; }

    ImageError convert(DibImage& picture) const {
        return pictureFromPluginBlocks(info.data(), info.size(), bits.data(), bits.size(), picture);
    }
};
}  // namespace

TEST(PluginPicture, A24BitPictureKeepsItsRowsAndPadding) {
    PluginBlocks blocks(BmpBuilder(3, 2, 24).imageSizeField(5));
    for (size_t i = 0; i < blocks.bits.size(); ++i) blocks.bits[i] = uint8_t(i + 1);  // rows of 9 + 3 padding
    // A wrong image size, colours important and planes are not kept.
    writeLe32(&blocks.info[36], 7), writeLe16(&blocks.info[12], 0);

    DibImage picture;
    ASSERT_EQ(blocks.convert(picture), ImageError::none);
    // The width, the image size, the planes and the block's size, then the pixels.
    EXPECT_EQ((std::vector<size_t>{size_t(picture.width()), readLe32(picture.block().data() + 20),
                                   readLe16(picture.block().data() + 12), picture.block().size()}),
              (std::vector<size_t>{3, 24, 1, 40 + 24}));
    EXPECT_EQ(std::vector<uint8_t>(picture.pixels(), picture.pixels() + 24), blocks.bits);
}

// A header longer than 40 bytes puts the palette after itself; a short palette is completed with black,
// so every index a pixel can hold names an entry. Colours used counts its low half only, in the largest
// picture too.
TEST(PluginPicture, PaletteFollowsTheHeaderAsLongAsColoursUsedSaysAndIndicesBeyondItGiveBlack) {
    PluginBlocks blocks(
        BmpBuilder(4, 1, 4).paletteLength(2).coloursUsed(2).paletteEntry(1, packColour(16, 32, 48)));
    blocks.info.insert(blocks.info.begin() + 40, 16, 0xEE);  // a 56-byte header
    writeLe32(&blocks.info[0], 56);
    blocks.bits[0] = 0x1F;  // indices 1 and 15

    DibImage picture;
    ASSERT_EQ(blocks.convert(picture), ImageError::none);
    ASSERT_TRUE(picture.isComplete());
    EXPECT_EQ(picture.paletteEntries(), 16u);
    EXPECT_EQ(picture.block().size(), 40u + 16 * 4 + 4) << "the palette and one row, nothing after";
    EXPECT_EQ(unpackPicture(picture), (std::vector<uint32_t>{packColour(16, 32, 48), 0, 0, 0}));
    const PluginBlocks largest(BmpBuilder(1600, 1600, 8).paletteLength(16).coloursUsed(0x00070010));
    ASSERT_EQ(largest.convert(picture), ImageError::none);
    EXPECT_EQ(picture.width(), 1600);
}

TEST(PluginPicture, HostileResultsAreRefusedWithTheirReason) {
    using B = BmpBuilder;
    constexpr ImageError broken = ImageError::damaged;
    const struct {
        const char* what;
        PluginBlocks blocks;
        ImageError error;
    } cases[] = {
        {"info shorter than a header", PluginBlocks(B(2, 2, 24)).infoLength(39), broken},
        {"header size too small", B(2, 2, 24).infoSize(12), broken},
        {"header size beyond the block", B(2, 2, 24).infoSize(41), broken},
        {"2 bits", B(2, 2, 2), ImageError::unsupportedDepth},
        {"compressed", B(2, 2, 8).compression(1), ImageError::compressed},
        {"too wide", B(1601, 2, 24), ImageError::tooLarge},
        {"no width", B(0, 2, 24), broken},
        {"negative height", B(2, -2, 24), broken},
        {"most negative width", B(INT32_MIN, 2, 24), broken},
        {"palette beyond the info block", B(2, 2, 8).paletteLength(255).coloursUsed(256), broken},
        {"full palette of colours used 0 missing", B(2, 2, 8).paletteLength(0), broken},
        {"bits one byte short", PluginBlocks(B(3, 3, 24)).bitsLength(35), broken},
    };
    for (const auto& c : cases) {
        DibImage picture = DibImage::create24(2, 2);
        EXPECT_EQ(c.blocks.convert(picture), c.error) << c.what;
        EXPECT_TRUE(picture.empty()) << c.what;
    }
    DibImage picture;
    EXPECT_EQ(pictureFromPluginBlocks(nullptr, 0, nullptr, 0, picture), broken);
}

// Palette entries past what 8 bits can index are not kept: copied whole, they would run past the end of a
// small picture's block, a heap corruption that only sometimes crashes, so the conversion runs in a child
// process that must end normally with the picture intact.
TEST(PluginPicture, PaletteEntriesPastWhatEightBitsIndexAreNotCopied) {
    EXPECT_EXIT(
        {
            PluginBlocks blocks(BmpBuilder(1, 1, 8).paletteLength(300).coloursUsed(300));
            writeLe32(&blocks.info[40 + 255 * 4], 0x00123456);
            blocks.bits[0] = 255;
            DibImage picture;
            const bool intact = blocks.convert(picture) == ImageError::none && picture.isComplete() &&
                                picture.paletteEntries() == 256 &&
                                unpackPicture(picture)[0] == packColour(0x12, 0x34, 0x56);
            std::exit(intact ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}

TEST(PictureReaders, SayWhenMemoryRunsOut) {
    const PluginBlocks blocks(BmpBuilder(4, 4, 24));
    std::istringstream file = BmpBuilder::streamOf(BmpBuilder(4, 4, 24).bytes());
    const DibImage picture = DibImage::create24(4, 4);
    const MaskGrid mask;
    DibImage fromPlugin, fromFile, face;
    ImageError plugin, preview, composed;
    {
        const RefusedAllocations outOfMemory;
        plugin = blocks.convert(fromPlugin);
        preview = readPreviewBmp(file, fromFile);
        composed = makeFaceFromPicture(picture, mask, face, nullptr);
    }
    EXPECT_EQ(std::tuple(plugin, preview, composed),
              std::tuple(ImageError::noMemory, ImageError::noMemory, ImageError::noMemory));
}
