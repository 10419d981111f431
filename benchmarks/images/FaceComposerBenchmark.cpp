#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "images/FaceComposer.h"
#include "images/PreviewBmp.h"
#include "tests/images/FaceMasks.h"

namespace {
constexpr int pictureSize = 1600;  // the largest picture the dialog accepts

// A photograph stand-in: smooth gradients with noise on top, so neighbouring samples differ.
DibImage largestPicture() {
    DibImage picture = DibImage::create24(pictureSize, pictureSize);
    uint32_t noise = 1;
    for (int y = 0; y < pictureSize; ++y) {
        for (int x = 0; x < pictureSize; ++x) {
            noise = noise * 214013 + 2531011;
            const uint8_t grain = uint8_t(128 + (noise >> 16 & 31));
            picture.setPackedAt(
                x, y, packColour(uint8_t(x * 255 / pictureSize), uint8_t(y * 255 / pictureSize), grain));
        }
    }
    return picture;
}

void ignoreProgress(int percent) {
    benchmark::DoNotOptimize(percent);
}

void makeFaceFromLargestPicture(benchmark::State& state) {
    const DibImage picture = largestPicture();
    // tools/compare-face-speed.sh gives other programs the same picture through this file.
    if (const char* path = std::getenv("VELMIRA_FACE_PICTURE")) {
        std::ofstream out(path, std::ios::binary);
        writeBmpFile(out, picture);
    }
    const MaskGrid mask = allPicture();
    DibImage face;
    for (auto _ : state) {
        makeFaceFromPicture(picture, mask, face, ignoreProgress);
        benchmark::DoNotOptimize(face.block().data());
    }
}
BENCHMARK(makeFaceFromLargestPicture)->Unit(benchmark::kMillisecond);

// The whole way from the file's bytes, as the dialog goes when the user confirms a BMP.
void readAndMakeFaceFromLargestPicture(benchmark::State& state) {
    const std::vector<uint8_t> file = encodeBmpFile(largestPicture());
    const std::string bytes(file.begin(), file.end());
    const MaskGrid mask = allPicture();
    DibImage picture;
    DibImage face;
    for (auto _ : state) {
        std::istringstream in(bytes);
        readPreviewBmp(in, picture);
        makeFaceFromPicture(picture, mask, face, ignoreProgress);
        benchmark::DoNotOptimize(face.block().data());
    }
}
BENCHMARK(readAndMakeFaceFromLargestPicture)->Unit(benchmark::kMillisecond);
}  // namespace
