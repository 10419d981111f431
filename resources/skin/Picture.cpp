#include "resources/skin/Picture.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr int subSamples = 4;

uint8_t toByte(double v) {
    return uint8_t(std::clamp(std::lround(v), 0L, 255L));
}

// Fraction of the pixel's sub-samples for which inside(x, y) holds.
template <typename Inside>
double coverage(int px, int py, Inside inside) {
    int hits = 0;
    for (int sy = 0; sy < subSamples; ++sy)
        for (int sx = 0; sx < subSamples; ++sx)
            if (inside(px + (sx + 0.5) / subSamples, py + (sy + 0.5) / subSamples)) ++hits;
    return double(hits) / (subSamples * subSamples);
}
}  // namespace

Rgb mix(Rgb a, Rgb b, double t) {
    return {toByte(a.r + (b.r - a.r) * t), toByte(a.g + (b.g - a.g) * t), toByte(a.b + (b.b - a.b) * t)};
}

Rgb shade(Rgb c, double amount) {
    return amount >= 0 ? mix(c, white, amount) : mix(c, black, -amount);
}

Picture::Picture(int width, int height, Rgb fill)
    : width_(width), height_(height), pixels_(size_t(width) * height, fill) {}

void Picture::set(int x, int y, Rgb c) {
    if (x >= 0 && y >= 0 && x < width_ && y < height_) pixels_[size_t(y) * width_ + x] = c;
}

void Picture::blend(int x, int y, Rgb c, double alpha) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_ || alpha <= 0) return;
    Rgb& p = pixels_[size_t(y) * width_ + x];
    p = mix(p, c, std::min(alpha, 1.0));
}

void Picture::fill(const Rect& r, Rgb c) {
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) set(x, y, c);
}

void Picture::verticalGradient(const Rect& r, Rgb top, Rgb bottom) {
    const int span = std::max(1, r.height() - 1);
    for (int y = r.top; y < r.bottom; ++y)
        fill({r.left, y, r.right, y + 1}, mix(top, bottom, double(y - r.top) / span));
}

void Picture::bevel(const Rect& r, Rgb light, Rgb dark) {
    fill({r.left, r.top, r.right, r.top + 1}, light);
    fill({r.left, r.top, r.left + 1, r.bottom}, light);
    fill({r.left, r.bottom - 1, r.right, r.bottom}, dark);
    fill({r.right - 1, r.top + 1, r.right, r.bottom}, dark);
}

void Picture::frame(const Rect& r, Rgb c) {
    bevel(r, c, c);
}

double Picture::roundedCoverage(const Rect& r, double radius, int x, int y) {
    return coverage(x, y, [&](double fx, double fy) {
        if (fx < r.left || fx > r.right || fy < r.top || fy > r.bottom) return false;
        const double cx = std::clamp(fx, r.left + radius, r.right - radius);
        const double cy = std::clamp(fy, r.top + radius, r.bottom - radius);
        return (fx - cx) * (fx - cx) + (fy - cy) * (fy - cy) <= radius * radius;
    });
}

void Picture::roundedRect(const Rect& r, double radius, Rgb top, Rgb bottom) {
    const int span = std::max(1, r.height() - 1);
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            blend(x, y, mix(top, bottom, double(y - r.top) / span), roundedCoverage(r, radius, x, y));
}

void Picture::disc(double cx, double cy, double radius, Rgb c) {
    const int x0 = int(std::floor(cx - radius)), x1 = int(std::ceil(cx + radius));
    const int y0 = int(std::floor(cy - radius)), y1 = int(std::ceil(cy + radius));
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            blend(x, y, c, coverage(x, y, [&](double fx, double fy) {
                      return (fx - cx) * (fx - cx) + (fy - cy) * (fy - cy) <= radius * radius;
                  }));
}

void Picture::triangle(double x0, double y0, double x1, double y1, double x2, double y2, Rgb c) {
    auto edge = [](double ax, double ay, double bx, double by, double px, double py) {
        return (bx - ax) * (py - ay) - (by - ay) * (px - ax);
    };
    const int left = int(std::floor(std::min({x0, x1, x2}))), right = int(std::ceil(std::max({x0, x1, x2})));
    const int top = int(std::floor(std::min({y0, y1, y2}))), bottom = int(std::ceil(std::max({y0, y1, y2})));
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x)
            blend(x, y, c, coverage(x, y, [&](double px, double py) {
                      const double a = edge(x0, y0, x1, y1, px, py), b = edge(x1, y1, x2, y2, px, py),
                                   d = edge(x2, y2, x0, y0, px, py);
                      return (a >= 0 && b >= 0 && d >= 0) || (a <= 0 && b <= 0 && d <= 0);
                  }));
}

void Picture::paste(const Picture& from, const face::SheetRect& src, face::Point to) {
    for (int y = 0; y < src.height; ++y)
        for (int x = 0; x < src.width; ++x) set(to.x + x, to.y + y, from.at(src.x + x, src.y + y));
}

void Picture::pasteMasked(const Picture& from, const face::SheetRect& picture, const face::SheetRect& mask,
                          face::Point to) {
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) {
            const Rgb m = from.at(mask.x + x, mask.y + y), p = from.at(picture.x + x, picture.y + y);
            const Rgb s = at(to.x + x, to.y + y);
            set(to.x + x, to.y + y,
                {uint8_t((s.r & m.r) | p.r), uint8_t((s.g & m.g) | p.g), uint8_t((s.b & m.b) | p.b)});
        }
}

DibImage Picture::toDib() const {
    DibImage image = DibImage::create24(width_, height_);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            const Rgb c = at(x, y);
            image.setPackedAt(x, y, packColour(c.r, c.g, c.b));
        }
    return image;
}
