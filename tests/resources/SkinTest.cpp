// The generated skin files against the program: pictures its own readers accept, and a mask that keeps
// every control on the face over any background.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "images/SkinBmp.h"
#include "resources/skin/SkinPanels.h"
#include "tests/support/Golden.h"

namespace {
using face::Rect;

constexpr uint32_t pureRed = packColour(255, 0, 0);

// A skin file of the build, read as the program reads it; empty when the program would refuse it.
DibImage skinPicture(const std::string& name, bool (*read)(std::istream&, DibImage&) = readFaceBmp) {
    std::ifstream in(std::string(VELMIRA_SKIN_DIR) + "/" + name, std::ios::binary);
    DibImage picture;
    read(in, picture);
    return picture;
}

Rect pictureAt(face::Point p, int width, int height) {
    return {p.x, p.y, p.x + width, p.y + height};
}
}  // namespace

// Red lets a new background through; everywhere else the mask carries the face itself.
TEST(SkinFace, MaskIsRedNowhereOverAControlAndCarriesTheFaceElsewhere) {
    // Every place the program draws on or reads clicks from (the arrows' hot rectangles lie in their
    // sprites).
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
    const DibImage mask = skinPicture("Mask.bmp"), main = skinPicture("Main.bmp");
    // The program's own readers take the three pictures.
    ASSERT_TRUE(mask.isComplete() && main.isComplete() &&
                skinPicture("Button.bmp", readButtonBmp).isComplete());
    for (const Rect& r : areas)
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) ASSERT_NE(mask.packedAt(x, y), pureRed) << x << "," << y;
    int red = 0;
    for (int y = 0; y < face::faceHeight; ++y)
        for (int x = 0; x < face::faceWidth; ++x) {
            const bool isRed = mask.packedAt(x, y) == pureRed;
            red += isRed;
            ASSERT_TRUE(isRed || mask.packedAt(x, y) == main.packedAt(x, y)) << x << "," << y;
        }
    // The slits between the channel strips and the margins leave a real share of the face to a new picture.
    EXPECT_GT(red, face::faceWidth * face::faceHeight / 10);
}

// The artwork and the icon as drawn, pinned by hash: a changed shade, edge or label shows as a picture beside
// the one it should be (the face's geometry above is the program's; how the face looks is the generator's
// alone).
TEST(Skin, TheArtworkIsAsPinned) {
    std::vector<GoldenPicture> pictures;
    for (const char* name : {"Main.bmp", "Mask.bmp", "Button.bmp", "velmira.ico"}) {
        std::ifstream in(std::string(VELMIRA_SKIN_DIR) + "/" + name, std::ios::binary);
        pictures.push_back({name, {std::istreambuf_iterator<char>(in), {}}, ""});
    }
    expectGoldenPictures("skin-pictures.txt", pictures);
}
