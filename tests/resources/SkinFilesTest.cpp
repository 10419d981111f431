#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <set>

#include "tests/resources/SkinBitmap.h"

TEST(SkinFiles, AreUncompressedTwentyFourBitBitmapsOfTheSizesTheProgramAccepts) {
    const struct {
        const char* name;
        int width, height;
    } files[] = {{"Main.bmp", face::faceWidth, face::faceHeight},
                 {"Mask.bmp", face::faceWidth, face::faceHeight},
                 {"Button.bmp", face::sheetWidth, face::sheetHeight}};
    for (const auto& file : files) {
        SCOPED_TRACE(file.name);
        const SkinBitmap& b = skinPicture(file.name);
        ASSERT_TRUE(b.ok);
        EXPECT_EQ(b.width, file.width);
        EXPECT_EQ(b.height, file.height);  // positive: stored bottom row first
        EXPECT_EQ(b.pixelOffset, 54u);     // no palette between header and pixels
        EXPECT_EQ(le32(&b.bytes[2]), b.bytes.size());
    }
}

TEST(SkinFiles, IconHoldsThirtyTwoBitImagesOfSixteenAndThirtyTwoPixels) {
    const std::vector<uint8_t> ico = readBytes(skinFile("velmira.ico"));
    ASSERT_GE(ico.size(), 6u);
    ASSERT_EQ(ico[2], 1);  // icon, not cursor
    const int count = ico[4] | ico[5] << 8;
    ASSERT_GE(ico.size(), 6u + 16u * count);
    std::set<int> sizes;
    for (const uint8_t* entry = &ico[6]; entry < &ico[6 + 16 * count]; entry += 16) {
        const uint32_t size = le32(entry + 8), offset = le32(entry + 12);
        ASSERT_LE(size_t(offset) + size, ico.size());
        EXPECT_EQ(entry[6] | entry[7] << 8, 32);
        EXPECT_EQ(le32(&ico[offset + 8]), 2u * entry[1]);  // colour and AND mask stacked
        sizes.insert(entry[0]);
    }
    EXPECT_TRUE(sizes.count(16) && sizes.count(32));
}

TEST(SkinFiles, GeneratorWritesTheSameBytesOnEveryRun) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / ("velmira-skin-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    ASSERT_EQ(std::system((std::string(VELMIRA_SKIN_GENERATOR) + " " + dir.string()).c_str()), 0);
    for (const char* name : {"Main.bmp", "Mask.bmp", "Button.bmp", "velmira.ico"})
        EXPECT_TRUE(readBytes((dir / name).string()) == readBytes(skinFile(name))) << name;
    fs::remove_all(dir);
}
