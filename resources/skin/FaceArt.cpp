#include "resources/skin/FaceArt.h"

#include <algorithm>
#include <cmath>

#include "resources/skin/Palette.h"
#include "resources/skin/SkinPanels.h"

namespace {
constexpr Rgb maskRed{255, 0, 0};

template <typename Visit>
void forEachPanel(Visit visit) {
    for (const skin::Panel& p : skin::leftPanels) visit(p);
    visit(skin::headingStrip);
    for (int ch = 0; ch < face::channelCount; ++ch) visit(skin::channelStrip(ch));
}

// Deep blue-violet with two soft lights and a fine deterministic grain, so a slit between panels never
// looks like a flat hole.
void drawBackground(Picture& c) {
    struct Glow {
        double x, y, radius, strength;
    };
    constexpr Glow glows[] = {{720, 60, 260, 0.55}, {240, 500, 320, 0.35}, {520, 270, 200, 0.18}};
    uint32_t seed = 20240611;
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x) {
            Rgb p = mix(palette::backgroundTop, palette::backgroundBottom, double(y) / (c.height() - 1));
            for (const Glow& g : glows) {
                const double d2 = (x - g.x) * (x - g.x) + (y - g.y) * (y - g.y);
                p = mix(p, palette::backgroundGlow, g.strength * std::exp(-d2 / (g.radius * g.radius)));
            }
            // Faint diagonal pinstripes.
            if ((x + y) % 6 == 0) p = shade(p, 0.04);
            seed = seed * 214013 + 2531011;
            const int grain = int((seed >> 16) & 7) - 3;
            c.set(x, y,
                  {uint8_t(std::clamp(p.r + grain, 0, 255)), uint8_t(std::clamp(p.g + grain, 0, 255)),
                   uint8_t(std::clamp(p.b + grain, 0, 255))});
        }
}
}  // namespace

bool isFixedPart(int x, int y) {
    bool fixed = false;
    forEachPanel([&](const skin::Panel& p) {
        if (!fixed && p.rect.contains(x, y))
            fixed = Picture::roundedCoverage(p.rect, p.cornerRadius, x, y) > 0;
    });
    return fixed;
}

void drawPanel(Picture& face, const face::Rect& r, double radius, Rgb body) {
    face.roundedRect(r, radius, palette::panelEdge, shade(palette::panelEdge, -0.45));
    face.roundedRect({r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, radius - 1, body, body);
}

Picture drawFace(const Picture& sheet, TextRenderer& text) {
    Picture face(face::faceWidth, face::faceHeight);
    drawBackground(face);
    drawLeftColumn(face, sheet, text);
    drawChannelRack(face, sheet, text);
    // Pure red in a fixed part would turn it into background, so such a pixel is nudged off red.
    for (int y = 0; y < face.height(); ++y)
        for (int x = 0; x < face.width(); ++x)
            if (face.at(x, y) == maskRed && isFixedPart(x, y)) face.set(x, y, {254, 0, 0});
    return face;
}

Picture drawMask(const Picture& face) {
    Picture mask(face.width(), face.height(), maskRed);
    for (int y = 0; y < face.height(); ++y)
        for (int x = 0; x < face.width(); ++x)
            if (isFixedPart(x, y)) mask.set(x, y, face.at(x, y));
    return mask;
}
