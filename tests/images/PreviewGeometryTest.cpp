#include <gtest/gtest.h>

#include "images/PreviewGeometry.h"

namespace {
std::string describe(const PreviewRect& r) {
    return "(" + std::to_string(r.x) + ", " + std::to_string(r.y) + ") " + std::to_string(r.width) + " x " +
           std::to_string(r.height);
}
}  // namespace

TEST(PreviewGeometry, PicturesAreScaledIntoTheAreaLessAOnePixelFrame) {
    const struct {
        int pictureWidth, pictureHeight, areaWidth, areaHeight;
        const char* drawn;
    } cases[] = {
        {200, 100, 120, 130, "(1, 33) 118 x 63"},
        {100, 200, 120, 130, "(31, 1) 58 x 128"},
        {50, 50, 120, 130, "(1, 1) 118 x 128"},
        {1600, 1600, 120, 130, "(1, 1) 118 x 128"},
        // A ratio that is exactly whole keeps its last pixel: 3 / 9 of 90 is 30, not 29.
        {9, 3, 120, 90, "(1, 31) 118 x 28"},
        // Too thin to keep a pixel inside the frame: one row or column is still drawn.
        {1600, 1, 120, 130, "(1, 66) 118 x 1"},
        {1, 1600, 120, 130, "(61, 1) 1 x 128"},
        {0, 10, 120, 130, "(0, 0) 0 x 0"},
        {10, 10, 0, 130, "(0, 0) 0 x 0"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(describe(previewTarget(c.pictureWidth, c.pictureHeight, c.areaWidth, c.areaHeight)),
                  c.drawn)
            << c.pictureWidth << " x " << c.pictureHeight;
    }
}

TEST(PreviewGeometry, SizeTextPadsBothNumbersToFourPlaces) {
    EXPECT_EQ(previewSizeText(200, 100), "SIZE= 200× 100");
    EXPECT_EQ(previewSizeText(1600, 7), "SIZE=1600×   7");
}
