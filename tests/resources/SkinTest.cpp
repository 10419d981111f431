// The generated skin files against the program: pictures it accepts, a mask that keeps every control on the
// face over any background, a sprite sheet fit for the two-pass transparent drawing, the same bytes on
// every run.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "resources/skin/SkinPanels.h"

namespace {
using face::Rect;
using face::SheetRect;

constexpr uint32_t pureRed = 0x0000FF;
constexpr uint32_t pureBlack = 0x000000;
constexpr uint32_t pureWhite = 0xFFFFFF;

uint32_t le32(const uint8_t* p) {
    return p[0] | p[1] << 8 | p[2] << 16 | uint32_t(p[3]) << 24;
}

std::vector<uint8_t> readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string skinFile(const std::string& name) {
    return std::string(VELMIRA_SKIN_DIR) + "/" + name;
}

// A small reader for a skin file of the build: ok only for an uncompressed 24-bit BMP, stored bottom row
// first, with nothing before or after its pixels.
struct SkinBitmap {
    explicit SkinBitmap(const std::string& name) : bytes(readBytes(skinFile(name))) {
        if (bytes.size() < 54 || bytes[0] != 'B' || bytes[1] != 'M') return;
        width = int32_t(le32(&bytes[18]));
        height = int32_t(le32(&bytes[22]));
        ok = (bytes[28] | bytes[29] << 8) == 24 && le32(&bytes[30]) == 0 && width > 0 && height > 0 &&
             le32(&bytes[10]) == 54 && le32(&bytes[2]) == bytes.size() &&
             54 + stride() * height == bytes.size();
    }
    size_t stride() const { return (size_t(width) * 3 + 3) / 4 * 4; }
    // The pixel x, y (y from the top row as seen) as red | green << 8 | blue << 16; outside, a value no
    // pixel has.
    uint32_t at(int x, int y) const {
        if (!ok || x < 0 || y < 0 || x >= width || y >= height) return 0xFF000000;
        const uint8_t* p = bytes.data() + 54 + stride() * (height - 1 - y) + 3 * size_t(x);
        return p[2] | p[1] << 8 | uint32_t(p[0]) << 16;
    }

    std::vector<uint8_t> bytes;
    int width = 0;
    int height = 0;
    bool ok = false;
};

Rect pictureAt(face::Point p, int width, int height) {
    return {p.x, p.y, p.x + width, p.y + height};
}

// Every place the program draws on or reads clicks from (the arrows' hot rectangles lie in their sprites).
std::vector<Rect> controlAreas() {
    std::vector<Rect> areas{face::stopHot, face::playHot, face::fastForwardHot};
    for (const face::SpritePlacement& s : face::spritePlacements)
        areas.push_back(pictureAt(s.destination, s.source.width, s.source.height));
    for (const Rect& well : skin::readoutWells) areas.push_back(well);
    for (int ch = 0; ch < face::channelCount; ++ch) {
        areas.push_back(face::levelBarErase(ch));
        for (int c = 0; c < face::cellCount; ++c)
            areas.push_back(pictureAt(face::cellGlyphAt(ch, c), face::cellGlyphWidth, face::cellGlyphHeight));
        for (int k = 0; k < face::pitchClassCount; ++k) areas.push_back(face::noteLamp(ch, k));
        for (int t = 0; t < face::toggleCount; ++t) areas.push_back(face::toggleRect(ch, t));
    }
    return areas;
}

// 0 outside every panel, 1 in a panel's rounded corner, 2 inside a panel away from its corners.
int panelPart(int x, int y) {
    std::vector<skin::Panel> panels(std::begin(skin::leftPanels), std::end(skin::leftPanels));
    panels.push_back(skin::headingStrip);
    for (int ch = 0; ch < face::channelCount; ++ch) panels.push_back(skin::channelStrip(ch));
    int part = 0;
    for (const skin::Panel& p : panels) {
        const Rect& r = p.rect;
        const int inset = int(p.cornerRadius);
        if (Rect{r.left + inset, r.top, r.right - inset, r.bottom}.contains(x, y) ||
            Rect{r.left, r.top + inset, r.right, r.bottom - inset}.contains(x, y))
            return 2;
        if (r.contains(x, y)) part = 1;
    }
    return part;
}

std::vector<uint32_t> sheetPixels(const SheetRect& r) {
    static const SkinBitmap sheet("Button.bmp");
    std::vector<uint32_t> out;
    for (int y = r.y; y < r.y + r.height; ++y)
        for (int x = r.x; x < r.x + r.width; ++x) out.push_back(sheet.at(x, y));
    return out;
}

// A mask is pure black and pure white, with both present; a picture drawn through it is black wherever the
// mask is white, and not all one colour where it shows.
void expectMaskedPicture(const SheetRect& picture, const SheetRect& mask) {
    const std::vector<uint32_t> m = sheetPixels(mask), p = sheetPixels(picture);
    std::set<uint32_t> shown;
    for (size_t i = 0; i < m.size(); ++i) {
        ASSERT_TRUE(m[i] == pureBlack || m[i] == pureWhite) << "mask pixel " << i;
        if (m[i] == pureWhite)
            ASSERT_EQ(p[i], pureBlack) << "picture pixel " << i << " outside the shape";
        else
            shown.insert(p[i]);
    }
    EXPECT_GT(shown.size(), 2u);
    EXPECT_NE(std::count(m.begin(), m.end(), pureWhite), 0);
}
}  // namespace

TEST(SkinFiles, AreUncompressedBitmapsOfTheSizesTheProgramAcceptsWrittenTheSameOnEveryRun) {
    for (const char* name : {"Main.bmp", "Mask.bmp"}) {
        const SkinBitmap b(name);
        EXPECT_TRUE(b.ok && b.width == face::faceWidth && b.height == face::faceHeight) << name;
    }
    const SkinBitmap sheet("Button.bmp");
    EXPECT_TRUE(sheet.ok && sheet.width == face::sheetWidth && sheet.height == face::sheetHeight);

    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / ("velmira-skin-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    ASSERT_EQ(std::system((std::string(VELMIRA_SKIN_GENERATOR) + " " + dir.string()).c_str()), 0);
    for (const char* name : {"Main.bmp", "Mask.bmp", "Button.bmp", "velmira.ico"})
        EXPECT_TRUE(readBytes((dir / name).string()) == readBytes(skinFile(name))) << name;
    fs::remove_all(dir);
}

TEST(SkinFace, MaskIsRedOverTheBackgroundOnlyAndCarriesTheFaceElsewhere) {
    const SkinBitmap mask("Mask.bmp"), main("Main.bmp");
    ASSERT_TRUE(mask.ok && main.ok);
    for (const Rect& r : controlAreas())
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) ASSERT_NE(mask.at(x, y), pureRed) << x << "," << y;
    int red = 0;
    for (int y = 0; y < face::faceHeight; ++y)
        for (int x = 0; x < face::faceWidth; ++x) {
            const bool isRed = mask.at(x, y) == pureRed;
            red += isRed;
            ASSERT_FALSE(isRed ? panelPart(x, y) == 2
                               : panelPart(x, y) == 0 || mask.at(x, y) != main.at(x, y))
                << x << "," << y;
        }
    // The slits between the channel strips and the margins leave a real share of the face to a new picture.
    EXPECT_GT(red, face::faceWidth * face::faceHeight / 10);
}

// Lit, pressed and switched-on pictures differ from their resting ones.
TEST(SpriteSheet, CellGlyphsAndTogglesAreBlackOutsideTheirMaskAndActivePicturesDiffer) {
    for (int v = 0; v <= face::cellMaxValue; ++v) {
        SCOPED_TRACE(v);
        expectMaskedPicture(face::cellGlyphSource(v), face::cellGlyphMaskSource);
    }
    for (int t = 0; t < face::toggleCount; ++t) {
        SCOPED_TRACE(t);
        expectMaskedPicture(face::toggleOffSource(t), face::toggleMaskSource);
        expectMaskedPicture(face::toggleOnSource(t), face::toggleMaskSource);
        EXPECT_NE(sheetPixels(face::toggleOnSource(t)), sheetPixels(face::toggleOffSource(t)));
    }
    const std::pair<SheetRect, SheetRect> pairs[] = {
        {face::playLitSource, face::playNormalSource},
        {face::fastForwardLitSource, face::fastForwardNormalSource},
        {face::downPressedSource, face::downReleasedSource},
        {face::upPressedSource, face::upReleasedSource}};
    for (const auto& [active, resting] : pairs)
        EXPECT_NE(sheetPixels(active), sheetPixels(resting)) << active.x << "," << active.y;
}
