#pragma once
#include <string>

// Where the file dialog draws a picture inside its preview area, in the area's client pixels.
struct PreviewRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// The picture scaled to the area: a square picture takes the whole area; a wider one the full width and
// its height as the height ratio of the area, centred vertically; a taller one the full height and its
// width as the width ratio of the area, centred horizontally. The result is then shrunk by one pixel on
// every side, so the white area shows a frame. A picture too thin to keep a pixel after that still gets
// one row or column; a picture or area without pixels gets an empty rectangle.
PreviewRect previewTarget(int pictureWidth, int pictureHeight, int areaWidth, int areaHeight);

// The size text under the preview: "SIZE=%4d×%4d" with the picture's width and height.
std::string previewSizeText(int pictureWidth, int pictureHeight);

// What the size text shows while no preview is drawn: 13 spaces.
constexpr const char* previewBlankSizeText = "             ";
