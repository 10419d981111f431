// The text-sound source: its size limits, read from a file and given as bytes, and a file that cannot be
// read.
#include <gtest/gtest.h>

#include <sstream>

#include "generators/TextSound.h"

TEST(TextSound, AcceptsTextsOf256To16000BytesAndRefusesOtherSizesAndUnreadableFiles) {
    const struct {
        size_t length;
        GeneratorError error;
    } cases[] = {
        {0, GeneratorError::textTooSmall}, {255, GeneratorError::textTooSmall},   {256, GeneratorError::none},
        {16000, GeneratorError::none},     {16001, GeneratorError::textTooLarge},
    };
    for (const auto& c : cases) {
        std::istringstream file(std::string(c.length, ' '));
        std::vector<uint8_t> text;
        EXPECT_EQ(readTextSource(file, text), c.error) << c.length;
        PseudoRandom random;
        const GeneratedSong song = buildTextSong(std::vector<uint8_t>(c.length, ' '), random);
        EXPECT_EQ(song.error, c.error) << c.length;
        EXPECT_EQ(song.image.empty(), !song.ok()) << c.length;
    }
    std::istringstream unreadable("text");
    unreadable.setstate(std::ios::failbit);
    std::vector<uint8_t> text;
    EXPECT_EQ(readTextSource(unreadable, text), GeneratorError::textUnreadable);
}
