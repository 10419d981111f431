#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "app/FaceLayout.h"
#include "tests/resources/SkinBitmap.h"

namespace {
struct Expected {
    const char* name;
    int width;
    int height;
};
}  // namespace

TEST(SkinFiles, AreUncompressedTwentyFourBitBitmapsOfTheSizesTheProgramAccepts) {
    const Expected files[] = {{"Main.bmp", face::faceWidth, face::faceHeight},
                              {"Mask.bmp", face::faceWidth, face::faceHeight},
                              {"Button.bmp", face::sheetWidth, face::sheetHeight}};
    for (const Expected& e : files) {
        SCOPED_TRACE(e.name);
        const SkinBitmap b = SkinBitmap::load(skinFile(e.name));
        ASSERT_TRUE(b.ok);
        EXPECT_EQ(b.width, e.width);
        EXPECT_EQ(b.height, e.height);  // positive: stored bottom row first
        EXPECT_EQ(b.pixelOffset, 54u);  // no palette between header and pixels
        EXPECT_EQ(SkinBitmap::le32(&b.bytes[2]), b.bytes.size());
    }
}

TEST(SkinFiles, IconHoldsThirtyTwoBitImagesOfTheUsualSizes) {
    const std::vector<uint8_t> ico = SkinBitmap::readFile(skinFile("velmira.ico"));
    ASSERT_GE(ico.size(), 6u);
    ASSERT_EQ(ico[2], 1);  // icon, not cursor
    const int count = ico[4] | ico[5] << 8;
    ASSERT_GE(ico.size(), 6u + 16u * count);
    bool has16 = false, has32 = false;
    for (int i = 0; i < count; ++i) {
        const uint8_t* entry = &ico[6 + 16 * i];
        const uint32_t size = SkinBitmap::le32(entry + 8), offset = SkinBitmap::le32(entry + 12);
        ASSERT_LE(size_t(offset) + size, ico.size());
        EXPECT_EQ(entry[6] | entry[7] << 8, 32);
        EXPECT_EQ(SkinBitmap::le32(&ico[offset + 8]), 2u * entry[1]);  // colour and AND mask stacked
        has16 |= entry[0] == 16;
        has32 |= entry[0] == 32;
    }
    EXPECT_TRUE(has16 && has32);
}

TEST(SkinFiles, GeneratorWritesTheSameBytesOnEveryRun) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / ("velmira-skin-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const std::string command = std::string(VELMIRA_SKIN_GENERATOR) + " " + dir.string();
    ASSERT_EQ(std::system(command.c_str()), 0);
    for (const char* name : {"Main.bmp", "Mask.bmp", "Button.bmp", "velmira.ico"}) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(SkinBitmap::readFile((dir / name).string()) == SkinBitmap::readFile(skinFile(name)));
    }
    fs::remove_all(dir);
}
