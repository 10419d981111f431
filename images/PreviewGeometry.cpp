#include "images/PreviewGeometry.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

PreviewRect previewTarget(int pictureWidth, int pictureHeight, int areaWidth, int areaHeight) {
    if (pictureWidth <= 0 || pictureHeight <= 0 || areaWidth <= 0 || areaHeight <= 0) return {};
    PreviewRect target{0, 0, areaWidth, areaHeight};
    // Whole-number arithmetic gives the truncated ratio exactly, where a floating-point one could land a
    // hair below a whole number and lose a pixel.
    if (pictureWidth > pictureHeight) {
        target.height = int(int64_t(pictureHeight) * areaHeight / pictureWidth);
        target.y = (areaHeight - target.height) / 2;
    } else if (pictureWidth < pictureHeight) {
        target.width = int(int64_t(pictureWidth) * areaWidth / pictureHeight);
        target.x = (areaWidth - target.width) / 2;
    }
    return {target.x + 1, target.y + 1, std::max(1, target.width - 2), std::max(1, target.height - 2)};
}

std::string previewSizeText(int pictureWidth, int pictureHeight) {
    char text[48];
    std::snprintf(text, sizeof text, "SIZE=%4d×%4d", pictureWidth, pictureHeight);
    return text;
}
