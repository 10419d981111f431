#include "resources/skin/ButtonArt.h"

#include "resources/skin/Palette.h"

namespace {
using face::Point;

// Digits 0-9, five pixels wide and seven high, one string per row ('#' = ink).
constexpr const char* digitRows[10][7] = {
    {" ### ", "#   #", "#  ##", "# # #", "##  #", "#   #", " ### "},
    {"  #  ", " ##  ", "  #  ", "  #  ", "  #  ", "  #  ", " ### "},
    {" ### ", "#   #", "    #", "   # ", "  #  ", " #   ", "#####"},
    {"#####", "   # ", "  #  ", "   # ", "    #", "#   #", " ### "},
    {"   # ", "  ## ", " # # ", "#  # ", "#####", "   # ", "   # "},
    {"#####", "#    ", "#### ", "    #", "    #", "#   #", " ### "},
    {"  ## ", " #   ", "#    ", "#### ", "#   #", "#   #", " ### "},
    {"#####", "    #", "   # ", "  #  ", " #   ", " #   ", " #   "},
    {" ### ", "#   #", "#   #", " ### ", "#   #", "#   #", " ### "},
    {" ### ", "#   #", "#   #", " ####", "    #", "   # ", " ##  "},
};
constexpr int digitWidth = 5;
constexpr int digitHeight = 7;

void drawDigit(Picture& c, int x, int y, int digit, Rgb ink) {
    for (int row = 0; row < digitHeight; ++row)
        for (int col = 0; col < digitWidth; ++col)
            if (digitRows[digit][row][col] == '#') c.set(x + col, y + row, ink);
}

// A rounded body with a one-pixel rim: the rim colour, then the gradient inset by one pixel.
void drawBody(Picture& c, const Rect& r, double radius, Rgb rim, Rgb top, Rgb bottom) {
    c.roundedRect(r, radius, rim, rim);
    c.roundedRect({r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, radius - 1, top, bottom);
}

// The palest line of a raised body: a highlight just under the rim.
void drawHighlight(Picture& c, const Rect& r, double radius, Rgb colour, double strength) {
    for (int x = r.left + int(radius); x < r.right - int(radius); ++x)
        c.blend(x, r.top + 1, colour, strength);
}

struct TransportColours {
    Rgb rim, top, bottom, icon;
};

void drawTransportIcon(Picture& c, double cx, double cy, TransportIcon icon, Rgb colour) {
    switch (icon) {
        case TransportIcon::stop:
            c.roundedRect({int(cx) - 7, int(cy) - 7, int(cx) + 7, int(cy) + 7}, 1.5, colour, colour);
            break;
        case TransportIcon::play:
            c.triangle(cx - 6, cy - 9, cx - 6, cy + 9, cx + 9, cy, colour);
            break;
        case TransportIcon::fastForward:
            c.triangle(cx - 11, cy - 8, cx - 11, cy + 8, cx + 1, cy, colour);
            c.triangle(cx, cy - 8, cx, cy + 8, cx + 12, cy, colour);
            break;
    }
}
}  // namespace

void drawTransportButton(Picture& c, Point at, TransportIcon icon, bool lit) {
    TransportColours colours{palette::buttonEdge, palette::buttonTop, palette::buttonBottom,
                             palette::buttonIcon};
    Rgb glow{};
    if (lit) {
        glow = icon == TransportIcon::play ? Rgb{70, 230, 120} : Rgb{255, 180, 60};
        colours = {shade(glow, 0.35), shade(glow, -0.25), shade(glow, -0.65), {250, 255, 250}};
    }
    const Rect body{at.x + 4, at.y + 3, at.x + 54, at.y + 45};
    if (lit) {
        // A soft halo around the lit body, inside the picture so the sprite carries it.
        for (int ring = 3; ring >= 1; --ring)
            c.roundedRect({body.left - ring, body.top - ring, body.right + ring, body.bottom + ring},
                          8 + ring, mix(palette::panel, glow, 0.5 / ring),
                          mix(palette::panel, glow, 0.5 / ring));
    }
    drawBody(c, body, 8, colours.rim, colours.top, colours.bottom);
    drawHighlight(c, body, 8, white, lit ? 0.45 : 0.2);
    // A dark inset ring under the icon gives it a recessed seat.
    const double cx = at.x + 29, cy = at.y + 24;
    c.disc(cx, cy, 14.5, shade(colours.bottom, -0.35));
    c.disc(cx, cy, 13.5, shade(colours.bottom, lit ? 0.1 : -0.1));
    drawTransportIcon(c, cx + 0.5, cy, icon, colours.icon);
}

void drawArrowButton(Picture& c, Point at, ArrowDirection direction, bool pressed) {
    const Rect body{at.x + 1, at.y + 1, at.x + 23, at.y + 22};
    if (pressed) {
        drawBody(c, body, 4, palette::accent, shade(palette::buttonBottom, -0.35), palette::buttonBottom);
    } else {
        drawBody(c, body, 4, palette::buttonEdge, palette::buttonTop, palette::buttonBottom);
        drawHighlight(c, body, 4, white, 0.25);
    }
    const double shift = pressed ? 1 : 0;
    const double cx = at.x + 12 + shift, cy = at.y + 11.5 + shift;
    const Rgb icon = pressed ? palette::accent : palette::buttonIcon;
    if (direction == ArrowDirection::down)
        c.triangle(cx + 4, cy - 5.5, cx + 4, cy + 5.5, cx - 5, cy, icon);
    else
        c.triangle(cx - 4, cy - 5.5, cx - 4, cy + 5.5, cx + 5, cy, icon);
}

void drawLevelStrip(Picture& c, Point at) {
    const int width = face::levelStripSource.width, height = face::levelStripSource.height;
    for (int x = 0; x < width; ++x) {
        const double t = double(x) / (width - 1);
        const Rgb base = t < 0.6   ? mix({40, 200, 90}, {150, 230, 70}, t / 0.6)
                         : t < 0.8 ? mix({240, 220, 60}, {250, 170, 40}, (t - 0.6) / 0.2)
                                   : mix({250, 110, 50}, {240, 50, 50}, (t - 0.8) / 0.2);
        const bool gap = x % 3 == 2;
        for (int y = 0; y < height; ++y) {
            const double edge = y == 0 || y == height - 1 ? -0.45 : y == 1 ? 0.3 : y < 5 ? 0.12 : 0.0;
            c.set(at.x + x, at.y + y, gap ? Rgb{8, 10, 12} : shade(base, edge));
        }
    }
}

bool cellGlyphShape(int x, int y) {
    const Rect tile{0, 0, face::cellGlyphWidth, face::cellGlyphHeight};
    return Picture::roundedCoverage(tile, 3, x, y) >= 0.5;
}

namespace {
// Draws the tile shape: rim on its border pixels, the gradient inside.
void drawTile(Picture& c, Point at, Rgb rim, Rgb top, Rgb bottom) {
    for (int y = 0; y < face::cellGlyphHeight; ++y)
        for (int x = 0; x < face::cellGlyphWidth; ++x) {
            if (!cellGlyphShape(x, y)) continue;
            const bool border = !cellGlyphShape(x - 1, y) || !cellGlyphShape(x + 1, y) ||
                                !cellGlyphShape(x, y - 1) || !cellGlyphShape(x, y + 1) || x == 0 || y == 0 ||
                                x == face::cellGlyphWidth - 1 || y == face::cellGlyphHeight - 1;
            c.set(at.x + x, at.y + y, border ? rim : mix(top, bottom, y / double(face::cellGlyphHeight - 1)));
        }
}
}  // namespace

void drawCellGlyph(Picture& c, Point at, int value) {
    drawTile(c, at, {96, 190, 214}, {26, 86, 104}, {12, 46, 60});
    const Rgb ink{236, 252, 255};
    const int width = value >= 10 ? 2 * digitWidth + 1 : digitWidth;
    const int left = at.x + (face::cellGlyphWidth - width) / 2 + (value >= 10 ? 0 : 1);
    if (value >= 10) {
        drawDigit(c, left, at.y + 2, value / 10, ink);
        drawDigit(c, left + digitWidth + 1, at.y + 2, value % 10, ink);
    } else {
        drawDigit(c, left, at.y + 2, value, ink);
    }
    // A short bar under the number shows the value at a glance: one pixel per step.
    for (int i = 0; i < value; ++i) {
        const Rgb bar = mix({90, 230, 120}, {255, 190, 60}, i / double(face::cellMaxValue - 1));
        c.set(at.x + 2 + i, at.y + 11, bar);
        c.set(at.x + 2 + i, at.y + 12, shade(bar, -0.3));
    }
}

void drawEmptyCell(Picture& c, Point at) {
    drawTile(c, at, {58, 66, 84}, {26, 30, 40}, {20, 23, 31});
    for (int x = 6; x < 10; ++x) c.set(at.x + x, at.y + 7, {74, 82, 100});
}

bool toggleShape(int x, int y) {
    return Picture::roundedCoverage({1, 1, face::toggleWidth - 1, face::toggleHeight - 1}, 4, x, y) >= 0.5;
}

void drawToggle(Picture& c, TextRenderer& text, Point at, int column, bool on) {
    static constexpr const char* letters[face::toggleCount] = {"S", "M", "O"};
    static constexpr Rgb lights[face::toggleCount] = {{255, 200, 60}, {255, 80, 70}, {90, 220, 130}};
    const Rgb light = lights[column];
    const Rgb rim = on ? shade(light, 0.3) : Rgb{84, 92, 110};
    const Rgb top = on ? shade(light, -0.3) : Rgb{54, 60, 74};
    const Rgb bottom = on ? shade(light, -0.62) : Rgb{34, 38, 48};
    Picture button(face::toggleWidth, face::toggleHeight);
    for (int y = 0; y < face::toggleHeight; ++y)
        for (int x = 0; x < face::toggleWidth; ++x) {
            if (!toggleShape(x, y)) continue;
            const bool border = !toggleShape(x - 1, y) || !toggleShape(x + 1, y) || !toggleShape(x, y - 1) ||
                                !toggleShape(x, y + 1);
            button.set(x, y, border ? rim : mix(top, bottom, y / double(face::toggleHeight - 1)));
        }
    // The lamp slot across the top of the button.
    const Rgb slot = on ? shade(light, 0.55) : Rgb{20, 22, 28};
    button.fill({7, 4, 19, 6}, slot);
    if (on)
        for (int x = 6; x < 20; ++x) button.blend(x, 6, light, 0.35);
    text.draw(button, letters[column], 13, 19, 12, on ? Rgb{255, 255, 255} : Rgb{140, 148, 164},
              Align::centre);
    // The shape leaves every pixel outside it black, as the transparent draw needs.
    for (int y = 0; y < face::toggleHeight; ++y)
        for (int x = 0; x < face::toggleWidth; ++x)
            c.set(at.x + x, at.y + y, toggleShape(x, y) ? button.at(x, y) : black);
}
