// The text-sound source: its size limits, checked before the text is read.
#include <gtest/gtest.h>

#include <sstream>

#include "generators/TextSound.h"

namespace {
std::istringstream fileOf(size_t length, char fill = 'a') {
    return std::istringstream(std::string(length, fill));
}
}  // namespace

TEST(TextSound, AcceptsTextsOf256To16000BytesAndRefusesOthersBySize) {
    const struct {
        size_t length;
        GeneratorError error;
    } cases[] = {
        {0, GeneratorError::textTooSmall}, {255, GeneratorError::textTooSmall},   {256, GeneratorError::none},
        {16000, GeneratorError::none},     {16001, GeneratorError::textTooLarge},
    };
    for (const auto& c : cases) {
        std::istringstream file = fileOf(c.length);
        std::vector<uint8_t> text;
        EXPECT_EQ(readTextSource(file, text), c.error) << c.length;
        EXPECT_EQ(text.size(), c.error == GeneratorError::none ? c.length : 0) << c.length;

        PseudoRandom random;
        const GeneratedSong song = buildTextSong(std::vector<uint8_t>(c.length, ' '), random);
        EXPECT_EQ(song.error, c.error) << c.length;
        EXPECT_EQ(song.image.empty(), !song.ok()) << c.length;
    }
}

TEST(TextSound, ReadsFromTheStreamPositionAndRefusesAHugeFileBeforeReadingIt) {
    std::istringstream file("header" + std::string(300, ' '));
    file.seekg(6);
    std::vector<uint8_t> text;
    ASSERT_EQ(readTextSource(file, text), GeneratorError::none);
    EXPECT_EQ(text, std::vector<uint8_t>(300, ' '));

    // A stream that cannot tell its length is refused silently, like a file that cannot be opened.
    std::istringstream broken("");
    broken.setstate(std::ios::failbit);
    EXPECT_EQ(readTextSource(broken, text), GeneratorError::textUnreadable);

    std::istringstream huge = fileOf(20u << 20);
    EXPECT_EQ(readTextSource(huge, text), GeneratorError::textTooLarge);
}
