#pragma once
#include <cstdint>
#include <vector>

#include "app/FaceLayout.h"
#include "images/DibImage.h"

// An 8-bit RGB colour.
struct Rgb {
    uint8_t r = 0;
    uint8_t g = 0;
    uint8_t b = 0;

    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
};

constexpr Rgb black{0, 0, 0};
constexpr Rgb white{255, 255, 255};

// Linear mix of two colours, t = 0 gives a, t = 1 gives b.
Rgb mix(Rgb a, Rgb b, double t);
// Brighter (amount > 0, towards white) or darker (amount < 0, towards black).
Rgb shade(Rgb c, double amount);

using face::Rect;

// A picture being drawn, top row first. Shapes with curved edges are anti-aliased by sampling each pixel
// on a 4 x 4 grid, which keeps every run of the generator byte-identical.
class Picture {
  public:
    Picture(int width, int height, Rgb fill = black);

    int width() const { return width_; }
    int height() const { return height_; }
    Rgb at(int x, int y) const { return pixels_[size_t(y) * width_ + x]; }
    void set(int x, int y, Rgb c);
    // Blends c over the pixel with coverage alpha 0..1.
    void blend(int x, int y, Rgb c, double alpha);

    void fill(const Rect& r, Rgb c);
    void verticalGradient(const Rect& r, Rgb top, Rgb bottom);
    // A one-pixel frame just inside r: light on the top and left, dark on the bottom and right.
    void bevel(const Rect& r, Rgb light, Rgb dark);
    void frame(const Rect& r, Rgb c);
    // A rectangle with corners rounded to the given radius, filled with a vertical gradient.
    void roundedRect(const Rect& r, double radius, Rgb top, Rgb bottom);
    // Coverage 0..1 of the rounded rectangle at pixel x, y (used for masks and outlines).
    static double roundedCoverage(const Rect& r, double radius, int x, int y);
    void disc(double cx, double cy, double radius, Rgb c);
    // A filled triangle given by its corners in pixel coordinates (pixel centres at .5).
    void triangle(double x0, double y0, double x1, double y1, double x2, double y2, Rgb c);

    // Copies the rectangle src of another picture to x, y.
    void paste(const Picture& from, const face::SheetRect& src, face::Point to);
    // The transparent two-pass draw of the program: AND with the mask, then OR with the picture.
    void pasteMasked(const Picture& from, const face::SheetRect& picture, const face::SheetRect& mask,
                     face::Point to);

    DibImage toDib() const;

  private:
    int width_;
    int height_;
    std::vector<Rgb> pixels_;
};
