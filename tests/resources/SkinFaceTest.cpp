// The face and its mask against the face layout: every control visible over any background, the program's
// drawing areas prepared the way the painting expects them.
#include <gtest/gtest.h>

#include <vector>

#include "resources/skin/SkinPanels.h"
#include "tests/resources/SkinBitmap.h"

namespace {
using face::Rect;

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
}  // namespace

TEST(SkinFace, MaskIsRedOverTheBackgroundOnlyAndCarriesTheFaceElsewhere) {
    const SkinBitmap& mask = skinPicture("Mask.bmp");
    const SkinBitmap& main = skinPicture("Main.bmp");
    ASSERT_TRUE(mask.ok && main.ok);
    for (const Rect& r : controlAreas())
        ASSERT_EQ(firstWrongPixel(r, [&](int x, int y) { return mask.at(x, y) == pureRed; }), "");
    int red = 0;
    const std::string wrong = firstWrongPixel({0, 0, face::faceWidth, face::faceHeight}, [&](int x, int y) {
        const bool isRed = mask.at(x, y) == pureRed;
        red += isRed;
        return isRed ? panelPart(x, y) == 2 : panelPart(x, y) == 0 || mask.at(x, y) != main.at(x, y);
    });
    EXPECT_EQ(wrong, "");
    // The slits between the channel strips and the margins leave a real share of the face to a new picture.
    EXPECT_GT(red, face::faceWidth * face::faceHeight / 10);
}

TEST(SkinFace, FaceShowsWhatTheProgramDrawsThereAtRest) {
    const SkinBitmap& main = skinPicture("Main.bmp");
    const SkinBitmap& sheet = skinPicture("Button.bmp");
    ASSERT_TRUE(main.ok && sheet.ok);
    // The released and unlit sprites.
    for (int sprite : {face::playNormal, face::fastForwardNormal, face::tempoDownReleased,
                       face::tempoUpReleased, face::volumeDownReleased, face::volumeUpReleased,
                       face::transposeDownReleased, face::transposeUpReleased}) {
        const face::SpritePlacement& s = face::spritePlacements[sprite];
        EXPECT_EQ(firstWrongPixel(pictureAt(s.destination, s.source.width, s.source.height),
                                  [&](int x, int y) {
                                      return main.at(x, y) != sheet.at(s.source.x + x - s.destination.x,
                                                                       s.source.y + y - s.destination.y);
                                  }),
                  "")
            << "sprite " << sprite;
    }
    // Every toggle off, so that drawing it off changes nothing.
    const face::SheetRect m = face::toggleMaskSource;
    for (int ch = 0; ch < face::channelCount; ++ch)
        for (int t = 0; t < face::toggleCount; ++t) {
            const Rect r = face::toggleRect(ch, t);
            const face::SheetRect off = face::toggleOffSource(t);
            EXPECT_EQ(firstWrongPixel(r,
                                      [&](int x, int y) {
                                          const int i = x - r.left, j = y - r.top;
                                          const uint32_t s = main.at(x, y);
                                          return s != ((s & sheet.at(m.x + i, m.y + j)) |
                                                       sheet.at(off.x + i, off.y + j));
                                      }),
                      "")
                << "toggle " << ch << "," << t;
        }
    // Meters, lamps and read-outs black like their erased state, with room after each text origin for the
    // longest text: "1000" and "00:00" in a default font.
    std::vector<Rect> black{pictureAt(face::timeText, 52, 18)};
    for (const face::NumberField& f : face::numberFields) black.push_back(pictureAt(f.text, 36, 20));
    for (int ch = 0; ch < face::channelCount; ++ch) {
        black.push_back(face::levelBarErase(ch));
        for (int k = 0; k < face::pitchClassCount; ++k) black.push_back(face::noteLamp(ch, k));
    }
    for (const Rect& r : black)
        EXPECT_EQ(firstWrongPixel(r, [&](int x, int y) { return main.at(x, y) != pureBlack; }), "");
}
