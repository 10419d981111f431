#include "generators/PictureSound.h"

#include <algorithm>
#include <new>

namespace {
constexpr int blockSide = 5;

// Levels are computed with single precision exactly where the song's notes always had it; the store
// through memory makes a 32-bit x87 build round there too instead of keeping extra bits.
float toSingle(double value) {
    volatile float stored = float(value);
    return stored;
}

struct ChannelSums {
    double red = 0, green = 0, blue = 0;
};

ChannelSums sumBlock(const PictureGrid& picture, int x0, int y0, int x1, int y1) {
    ChannelSums sums;
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            const uint32_t packed = picture.at(x, y);
            sums.red += packed & 0xFF;
            sums.green += packed >> 8 & 0xFF;
            sums.blue += packed >> 16 & 0xFF;
        }
    }
    return sums;
}

// The block's mean brightness divided by 5, rounded half up: 0-51.
uint8_t levelOf(const ChannelSums& sums, int pixelCount) {
    const double count = toSingle(pixelCount);
    const double meanRed = toSingle(sums.red / count);
    const double meanGreen = toSingle(sums.green / count);
    const double meanBlue = sums.blue / count;
    const double third = 0.33333334f;
    const double fifth = 0.2f;
    return uint8_t((meanBlue + meanGreen + meanRed) * third * fifth + 0.5);
}

// With the factor rounded to single precision the top level may come out 50 rather than 51; the songs
// of pictures have always been made so.
void stretchContrast(std::vector<uint8_t>& levels) {
    if (levels.empty()) return;
    const auto [lowest, highest] = std::minmax_element(levels.begin(), levels.end());
    const int smallest = *lowest;
    const int span = *highest - smallest;
    if (span < 2 || span > 49) return;
    const double factor = toSingle(51.0 / span);
    for (uint8_t& level : levels) level = uint8_t((level - smallest) * factor);
}
}  // namespace

std::vector<uint8_t> blockLevels(const PictureGrid& picture) {
    std::vector<uint8_t> levels;
    for (int y0 = 0; y0 < picture.height; y0 += blockSide) {
        const int y1 = std::min(y0 + blockSide, picture.height);
        for (int x0 = 0; x0 < picture.width; x0 += blockSide) {
            const int x1 = std::min(x0 + blockSide, picture.width);
            levels.push_back(levelOf(sumBlock(picture, x0, y0, x1, y1), (x1 - x0) * (y1 - y0)));
        }
    }
    stretchContrast(levels);
    return levels;
}

GeneratedSong buildPictureSong(std::istream& in, PseudoRandom& random) {
    PictureGrid picture;
    const GeneratorError refusal = readPictureBmp(in, picture);
    if (refusal != GeneratorError::none) return GeneratedSong::failure(refusal);
    try {
        return buildSong(BuildMode::picture, blockLevels(picture), random);
    } catch (const std::bad_alloc&) {
        return GeneratedSong::failure(GeneratorError::noMemory);
    }
}
