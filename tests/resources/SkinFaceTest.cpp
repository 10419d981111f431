// The face and its mask against the face layout: every control visible over any background, the program's
// drawing areas prepared the way the painting expects them.
#include <gtest/gtest.h>

#include <vector>

#include "app/FaceLayout.h"
#include "resources/skin/SkinPanels.h"
#include "tests/resources/SkinBitmap.h"

namespace {
using face::Rect;

class SkinFace : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        main_ = new SkinBitmap(SkinBitmap::load(skinFile("Main.bmp")));
        mask_ = new SkinBitmap(SkinBitmap::load(skinFile("Mask.bmp")));
        sheet_ = new SkinBitmap(SkinBitmap::load(skinFile("Button.bmp")));
    }
    static void TearDownTestSuite() {
        delete main_;
        delete mask_;
        delete sheet_;
    }
    void SetUp() override { ASSERT_TRUE(main_->ok && mask_->ok && sheet_->ok); }

    // Every place the program draws on or reads clicks from.
    static std::vector<Rect> controlAreas() {
        std::vector<Rect> areas{face::stopHot, face::playHot, face::fastForwardHot};
        for (face::Point p : {face::playPicture, face::fastForwardPicture})
            areas.push_back(
                {p.x, p.y, p.x + face::transportPictureWidth, p.y + face::transportPictureHeight});
        for (const face::NumberField& f : face::numberFields)
            for (const face::ArrowButton& b : {f.down, f.up}) {
                areas.push_back(b.hot);
                areas.push_back({b.picture.x, b.picture.y, b.picture.x + face::arrowPictureWidth,
                                 b.picture.y + face::arrowPictureHeight});
            }
        for (const Rect& well : skin::readoutWells) areas.push_back(well);
        for (int ch = 0; ch < face::channelCount; ++ch) {
            areas.push_back(face::levelBarErase(ch));
            for (int c = 0; c < face::cellCount; ++c) {
                const face::Point g = face::cellGlyphAt(ch, c);
                areas.push_back({g.x, g.y, g.x + face::cellGlyphWidth, g.y + face::cellGlyphHeight});
            }
            for (int k = 0; k < face::pitchClassCount; ++k) areas.push_back(face::noteLamp(ch, k));
            for (int t = 0; t < face::toggleCount; ++t) areas.push_back(face::toggleRect(ch, t));
        }
        return areas;
    }

    static std::vector<skin::Panel> allPanels() {
        std::vector<skin::Panel> panels(std::begin(skin::leftPanels), std::end(skin::leftPanels));
        panels.push_back(skin::headingStrip);
        for (int ch = 0; ch < face::channelCount; ++ch) panels.push_back(skin::channelStrip(ch));
        return panels;
    }

    static SkinBitmap* main_;
    static SkinBitmap* mask_;
    static SkinBitmap* sheet_;
};
SkinBitmap* SkinFace::main_ = nullptr;
SkinBitmap* SkinFace::mask_ = nullptr;
SkinBitmap* SkinFace::sheet_ = nullptr;

TEST_F(SkinFace, MaskKeepsEveryControlAreaOverANewBackground) {
    for (const Rect& r : controlAreas())
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                ASSERT_NE(mask_->at(x, y), pureRed) << "control area pixel " << x << "," << y;
}

TEST_F(SkinFace, MaskIsRedOutsideThePanelsAndSolidInsideThem) {
    const std::vector<skin::Panel> panels = allPanels();
    int red = 0;
    for (int y = 0; y < face::faceHeight; ++y)
        for (int x = 0; x < face::faceWidth; ++x) {
            bool inRect = false, inCore = false;
            for (const skin::Panel& p : panels) {
                const int inset = int(p.cornerRadius);
                inRect |= p.rect.contains(x, y);
                inCore |=
                    Rect{p.rect.left + inset, p.rect.top, p.rect.right - inset, p.rect.bottom}.contains(x,
                                                                                                        y) ||
                    Rect{p.rect.left, p.rect.top + inset, p.rect.right, p.rect.bottom - inset}.contains(x, y);
            }
            const bool isRed = mask_->at(x, y) == pureRed;
            red += isRed;
            if (!inRect) {
                ASSERT_TRUE(isRed) << "background pixel " << x << "," << y;
            }
            if (inCore) {
                ASSERT_FALSE(isRed) << "panel pixel " << x << "," << y;
            }
        }
    // The slits between the channel strips and the margins leave a real share of the face to a new picture.
    EXPECT_GT(red, face::faceWidth * face::faceHeight / 10);
}

TEST_F(SkinFace, MaskCarriesTheFacesOwnColoursWhereItIsNotRed) {
    for (int y = 0; y < face::faceHeight; ++y)
        for (int x = 0; x < face::faceWidth; ++x)
            if (mask_->at(x, y) != pureRed) {
                ASSERT_EQ(mask_->at(x, y), main_->at(x, y)) << x << "," << y;
            }
}

TEST_F(SkinFace, FaceShowsTheReleasedAndUnlitSpritesWhereTheProgramDrawsThem) {
    const int released[] = {face::playNormal,
                            face::fastForwardNormal,
                            face::tempoDownReleased,
                            face::tempoUpReleased,
                            face::volumeDownReleased,
                            face::volumeUpReleased,
                            face::transposeDownReleased,
                            face::transposeUpReleased};
    for (int sprite : released) {
        const face::SpritePlacement& s = face::spritePlacements[sprite];
        for (int y = 0; y < s.source.height; ++y)
            for (int x = 0; x < s.source.width; ++x)
                ASSERT_EQ(main_->at(s.destination.x + x, s.destination.y + y),
                          sheet_->at(s.source.x + x, s.source.y + y))
                    << "sprite " << sprite << " at " << x << "," << y;
    }
}

TEST_F(SkinFace, FaceShowsEveryToggleOffSoDrawingItOffChangesNothing) {
    const face::SheetRect m = face::toggleMaskSource;
    for (int ch = 0; ch < face::channelCount; ++ch)
        for (int t = 0; t < face::toggleCount; ++t) {
            const Rect r = face::toggleRect(ch, t);
            const face::SheetRect off = face::toggleOffSource(t);
            for (int y = 0; y < r.height(); ++y)
                for (int x = 0; x < r.width(); ++x) {
                    const uint32_t s = main_->at(r.left + x, r.top + y);
                    const uint32_t drawn =
                        (s & sheet_->at(m.x + x, m.y + y)) | sheet_->at(off.x + x, off.y + y);
                    ASSERT_EQ(s, drawn) << "toggle " << ch << "," << t << " at " << x << "," << y;
                }
        }
}

TEST_F(SkinFace, MeterLampAndReadOutAreasAreBlackLikeTheirErasedState) {
    std::vector<Rect> black;
    for (int ch = 0; ch < face::channelCount; ++ch) {
        black.push_back(face::levelBarErase(ch));
        for (int k = 0; k < face::pitchClassCount; ++k) black.push_back(face::noteLamp(ch, k));
    }
    // Room after each text origin for the longest text: "1000" and "00:00" in a default font.
    for (const face::NumberField& f : face::numberFields)
        black.push_back({f.text.x, f.text.y, f.text.x + 36, f.text.y + 20});
    black.push_back({face::timeText.x, face::timeText.y, face::timeText.x + 52, face::timeText.y + 18});
    for (const Rect& r : black)
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) ASSERT_EQ(main_->at(x, y), pureBlack) << x << "," << y;
}
}  // namespace
