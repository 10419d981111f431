#include <gtest/gtest.h>

#include <vector>

#include "images/LittleEndian.h"
#include "images/PackedPicture.h"
#include "images/PluginPicture.h"
#include "images/PluginResult.h"
#include "images/PreviewBmp.h"

namespace {
// The two blocks a plug-in hands back, built field by field so that any of them can be made hostile.
struct PluginBlocks {
    std::vector<uint8_t> info;
    std::vector<uint8_t> bits;

    PluginBlocks(int32_t width, int32_t height, int bitCount, size_t paletteEntries = 0)
        : info(40 + paletteEntries * 4, 0) {
        writeLe32(&info[0], 40);
        writeLe32(&info[4], uint32_t(width));
        writeLe32(&info[8], uint32_t(height));
        writeLe16(&info[12], 1);
        writeLe16(&info[14], uint16_t(bitCount));
        writeLe32(&info[32], uint32_t(paletteEntries));
        const int64_t stride = (int64_t(width) * bitCount + 31) / 32 * 4;
        if (width > 0 && height > 0 && stride * height < (1 << 24)) bits.resize(size_t(stride * height));
    }
    PluginBlocks& field(size_t offset, uint32_t value) { return writeLe32(&info[offset], value), *this; }
    PluginBlocks& infoLength(size_t length) { return info.resize(length), *this; }
    PluginBlocks& bitsLength(size_t length) { return bits.resize(length), *this; }

    ImageError convert(DibImage& picture) const {
        return pictureFromPluginBlocks(info.data(), info.size(), bits.data(), bits.size(), picture);
    }
};
}  // namespace

TEST(PluginPicture, A24BitPictureKeepsItsRowsAndPadding) {
    PluginBlocks blocks(3, 2, 24);
    ASSERT_EQ(blocks.bits.size(), 24u);  // 9 bytes of pixels and 3 of padding per row
    for (size_t i = 0; i < blocks.bits.size(); ++i) blocks.bits[i] = uint8_t(i + 1);
    blocks.field(20, 5).field(36, 7);  // a wrong image size and colours important are not kept

    DibImage picture;
    ASSERT_EQ(blocks.convert(picture), ImageError::none);
    ASSERT_TRUE(picture.isComplete());
    EXPECT_EQ(picture.width(), 3);
    EXPECT_EQ(picture.height(), 2);
    EXPECT_EQ(picture.imageSize(), 24u);
    EXPECT_EQ(readLe32(picture.block().data() + 20), 24u);
    EXPECT_EQ(std::vector<uint8_t>(picture.pixels(), picture.pixels() + 24), blocks.bits);
    EXPECT_EQ(picture.block().size(), 40u + 24u);
}

// A header longer than 40 bytes puts the palette after itself; a short palette is completed with black,
// so every index a pixel can hold names an entry.
TEST(PluginPicture, PaletteFollowsTheHeaderAndIndicesBeyondItGiveBlack) {
    PluginBlocks blocks(4, 1, 4, 2);
    blocks.info.insert(blocks.info.begin() + 40, 16, 0xEE);  // a 56-byte header
    blocks.field(0, 56);
    const uint8_t entry1[4] = {0x30, 0x20, 0x10, 0};  // blue, green, red
    std::copy(entry1, entry1 + 4, &blocks.info[56 + 4]);
    blocks.bits[0] = 0x1F;  // indices 1 and 15
    blocks.bits[1] = 0x00;

    DibImage picture;
    ASSERT_EQ(blocks.convert(picture), ImageError::none);
    ASSERT_TRUE(picture.isComplete());
    EXPECT_EQ(picture.paletteEntries(), 16u);
    const std::vector<uint32_t> packed = unpackPicture(picture);
    EXPECT_EQ(packed, (std::vector<uint32_t>{packColour(0x10, 0x20, 0x30), 0, 0, 0}));
}

TEST(PluginPicture, HostileResultsAreRefusedWithTheirReason) {
    constexpr ImageError broken = ImageError::damaged;
    constexpr ImageError unsupportedDepth = ImageError::unsupportedDepth;
    constexpr ImageError compressed = ImageError::compressed;
    constexpr ImageError tooLarge = ImageError::tooLarge;
    const struct {
        const char* what;
        PluginBlocks blocks;
        ImageError error;
    } cases[] = {
        {"info shorter than a header", PluginBlocks(2, 2, 24).infoLength(39), broken},
        {"header size too small", PluginBlocks(2, 2, 24).field(0, 12), broken},
        {"header size beyond the block", PluginBlocks(2, 2, 24).field(0, 41), broken},
        {"32 bits", PluginBlocks(2, 2, 32), unsupportedDepth},
        {"2 bits", PluginBlocks(2, 2, 2), unsupportedDepth},
        {"compressed", PluginBlocks(2, 2, 8, 256).field(16, 1), compressed},
        {"too wide", PluginBlocks(1601, 2, 24), tooLarge},
        {"too tall", PluginBlocks(2, 1601, 24), tooLarge},
        {"no width", PluginBlocks(0, 2, 24), broken},
        {"negative height", PluginBlocks(2, -2, 24), broken},
        {"most negative width", PluginBlocks(INT32_MIN, 2, 24), broken},
        {"palette beyond the info block", PluginBlocks(2, 2, 8, 255).field(32, 256), broken},
        {"full palette of colours used 0 missing", PluginBlocks(2, 2, 8).field(32, 0), broken},
        {"bits one byte short", PluginBlocks(3, 3, 24).bitsLength(35), broken},
        {"no bits at all", PluginBlocks(1, 1, 1, 2).bitsLength(0), broken},
    };
    for (const auto& c : cases) {
        DibImage picture = DibImage::create24(2, 2);
        EXPECT_EQ(c.blocks.convert(picture), c.error) << c.what;
        EXPECT_TRUE(picture.empty()) << c.what;
    }
    DibImage picture;
    EXPECT_EQ(pictureFromPluginBlocks(nullptr, 0, nullptr, 0, picture), broken);
}

TEST(PluginPicture, ColoursUsedCountsItsLowHalfAndTheLargestPictureIsTaken) {
    PluginBlocks blocks(1600, 1600, 8, 16);
    blocks.field(32, 0x00070010);
    DibImage picture;
    ASSERT_EQ(blocks.convert(picture), ImageError::none);
    EXPECT_TRUE(picture.isComplete());
    EXPECT_EQ(picture.width(), 1600);
}

// Palette entries past what 8 bits can index are not kept: copied whole, they would run past the end of a
// small picture's block, a heap corruption that only sometimes crashes, so the conversion runs in a child
// process that must end normally with the picture intact.
TEST(PluginPicture, PaletteEntriesPastWhatEightBitsIndexAreNotCopied) {
    EXPECT_EXIT(
        {
            PluginBlocks blocks(1, 1, 8, 300);
            writeLe32(&blocks.info[40 + 255 * 4], 0x00123456);
            blocks.bits[0] = 255;
            DibImage picture;
            const bool intact = blocks.convert(picture) == ImageError::none &&
                                picture.paletteEntries() == 256 &&
                                unpackPicture(picture)[0] == packColour(0x12, 0x34, 0x56);
            std::exit(intact ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}
