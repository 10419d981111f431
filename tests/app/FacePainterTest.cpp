// Painting the face: read-outs, sprites, cells and toggles, level meters and note lamps.
#include <gtest/gtest.h>

#include "tests/app/PainterRig.h"
#include "tests/support/SongBytes.h"

namespace {
constexpr uint32_t black = packColour(0, 0, 0);
constexpr uint32_t white = packColour(255, 255, 255);
constexpr uint32_t cyan = packColour(0, 255, 255);

// Whether the area of the screen at (x, y) shows the sheet's picture from (sx, sy), pixel for pixel.
::testing::AssertionResult showsSheet(const PainterRig& rig, int x, int y, int sx, int sy, int width,
                                      int height) {
    for (int j = 0; j < height; ++j)
        for (int i = 0; i < width; ++i)
            if (rig.screenAt(x + i, y + j) != rig.sheetAt(sx + i, sy + j))
                return ::testing::AssertionFailure() << "differs at " << x + i << "," << y + j;
    return ::testing::AssertionSuccess();
}

// A transparent picture: its left half from the sheet, its right half the face showing through.
::testing::AssertionResult showsOverFace(const PainterRig& rig, face::Point at,
                                         const face::SheetRect& picture) {
    const int half = picture.width / 2;
    if (!showsSheet(rig, at.x, at.y, picture.x, picture.y, half, picture.height))
        return ::testing::AssertionFailure() << "the picture is not drawn";
    for (int j = 0; j < picture.height; ++j)
        for (int i = half; i < picture.width; ++i)
            if (rig.screenAt(at.x + i, at.y + j) != PainterRig::faceColour(at.x + i, at.y + j))
                return ::testing::AssertionFailure() << "the face does not show through at " << i << "," << j;
    return ::testing::AssertionSuccess();
}

bool showsFace(const PainterRig& rig, int x, int y) {
    return rig.screenAt(x, y) == PainterRig::faceColour(x, y);
}

face::Point toggleAt(int row, int column) {
    const face::Rect r = face::toggleRect(row, column);
    return {r.left, r.top};
}
}  // namespace

TEST(FacePainterReadouts, NumbersAreShownInTheirFormats) {
    PainterRig rig;
    rig.controls.keyShift = 0;
    rig.painter.drawReadout(FaceDrawing::transposeReadout);
    rig.controls.keyShift = -12;
    rig.painter.drawReadout(FaceDrawing::transposeReadout);
    rig.controls.keyShift = 12;
    rig.painter.drawReadout(FaceDrawing::transposeReadout);
    rig.state.masterVolume = 120;
    rig.painter.drawReadout(FaceDrawing::volumeReadout);
    rig.playback.sequencer.setDisplayTempo(1001);
    rig.painter.drawReadout(FaceDrawing::tempoReadout);
    std::vector<std::string> texts;
    for (const DrawnText& t : rig.canvases.texts) texts.push_back(t.text);
    EXPECT_EQ(texts, (std::vector<std::string>{"+00", "-12", "+12", "120", "1001"}));
    EXPECT_EQ(rig.canvases.texts.back().origin.x, face::tempoField.text.x);
    EXPECT_EQ(rig.canvases.texts.back().origin.y, face::tempoField.text.y);
}

TEST(FacePainterReadouts, ASongTempoOf590Point5MsShows101) {
    PainterRig rig;
    rig.playback.load(
        SongBytes(1, 480).track(join({tempoEvent(500000), tempoEvent(590500), endOfTrack(96)})).bytes());
    rig.playback.player.startPlayback();
    rig.playback.tick();
    ASSERT_FALSE(rig.playback.updates.empty());
    ASSERT_TRUE(rig.playback.updates.back().redraw.tempoRedraw);
    rig.painter.displayTick(rig.playback.updates.back().redraw);
    ASSERT_FALSE(rig.canvases.texts.empty());
    EXPECT_EQ(rig.canvases.texts.front().text, "101");
    EXPECT_EQ(rig.canvases.texts.front().origin.y, face::tempoField.text.y);
}

TEST(FacePainterPaint, DrawsTheFaceReadoutsAndOnlyWhatIsSet) {
    PainterRig rig;
    rig.state.songLoaded = true;
    rig.controls.volumeFixed[3] = true;
    rig.state.channelCells[3][FaceState::volumeCell] = 7;
    rig.state.channelCells[5][FaceState::autoPanCell] = 2;
    rig.state.channelToggles[2][FaceState::muteToggle] = true;
    rig.painter.paint(*rig.canvases.openCanvas());

    EXPECT_TRUE(showsFace(rig, 0, 0));
    EXPECT_TRUE(showsFace(rig, face::faceWidth - 1, face::faceHeight - 1));
    EXPECT_EQ(rig.canvases.texts.size(), 4u);
    EXPECT_TRUE(showsOverFace(rig, face::cellGlyphAt(3, 0), face::cellGlyphSource(7)));
    EXPECT_TRUE(showsOverFace(rig, face::cellGlyphAt(5, 4), face::cellGlyphSource(2)));
    EXPECT_TRUE(showsOverFace(rig, toggleAt(2, 1), face::toggleOnSource(1)));
    // An unmarked volume cell, a toggle that is off and a stopped player leave the face as it is.
    EXPECT_TRUE(showsFace(rig, face::cellGlyphAt(4, 0).x, face::cellGlyphAt(4, 0).y));
    EXPECT_TRUE(showsFace(rig, toggleAt(2, 0).x, toggleAt(2, 0).y));
    EXPECT_TRUE(showsFace(rig, face::playPicture.x, face::playPicture.y));

    rig.state.songLoaded = false;
    rig.screen = DibImage::create24(face::faceWidth, face::faceHeight);
    rig.painter.paint(*rig.canvases.openCanvas());
    EXPECT_TRUE(showsFace(rig, face::cellGlyphAt(3, 0).x, face::cellGlyphAt(3, 0).y));
    EXPECT_TRUE(showsFace(rig, toggleAt(2, 1).x, toggleAt(2, 1).y));
}

TEST(FacePainterPaint, ThePlayButtonIsLitWhilePlaying) {
    PainterRig rig;
    rig.playback.load(SongBytes(1, 480).track(endOfTrack(960)).bytes());
    rig.playback.player.startPlayback();
    rig.painter.paint(*rig.canvases.openCanvas());
    EXPECT_TRUE(showsSheet(rig, face::playPicture.x, face::playPicture.y, face::playLitSource.x,
                           face::playLitSource.y, face::transportPictureWidth, face::transportPictureHeight));
}

TEST(FacePainterElements, CellsAndTogglesAreMaskedThenPainted) {
    PainterRig rig;
    rig.showFace();
    for (int v : {0, 5, 6, 12}) {
        rig.state.channelCells[9][2] = v;
        rig.painter.drawCell(9, 2);
        EXPECT_TRUE(showsOverFace(rig, face::cellGlyphAt(9, 2), face::cellGlyphSource(v))) << "value " << v;
    }
    rig.painter.drawToggle(15, 2);
    EXPECT_TRUE(showsOverFace(rig, toggleAt(15, 2), face::toggleOffSource(2)));
    rig.state.channelToggles[15][2] = true;
    rig.painter.drawToggle(15, 2);
    EXPECT_TRUE(showsOverFace(rig, toggleAt(15, 2), face::toggleOnSource(2)));
    rig.painter.drawSprite(face::fastForwardNormal);
    EXPECT_TRUE(showsSheet(rig, face::fastForwardPicture.x, face::fastForwardPicture.y,
                           face::fastForwardNormalSource.x, face::fastForwardNormalSource.y,
                           face::transportPictureWidth, face::transportPictureHeight));
}

TEST(FacePainterMeters, ALoudNoteDrawsTheFullBarWhichFallsAPixelPerTickAfterRelease) {
    PainterRig rig;
    rig.showFace();
    const int row = 4;
    const int barTop = face::levelBarOrigin(row).y;
    const auto& strip = face::levelStripSource;
    rig.controls.channelLevel[row] = 127;
    rig.meterTick();
    EXPECT_EQ(rig.controls.channelLevel[row], 120);
    EXPECT_TRUE(showsSheet(rig, 221, barTop, strip.x, strip.y, 60, strip.height));
    EXPECT_TRUE(showsFace(rig, 281, barTop));
    rig.meterTick();  // held: the bar stays
    EXPECT_TRUE(showsSheet(rig, 221, barTop, strip.x, strip.y, 60, strip.height));

    rig.controls.channelLevel[row] = 0;
    rig.meterTick();
    EXPECT_EQ(rig.screenAt(280, barTop), black);
    EXPECT_TRUE(showsSheet(rig, 221, barTop, strip.x, strip.y, 59, strip.height));
    rig.meterTick();
    EXPECT_EQ(rig.screenAt(279, barTop), black);
    EXPECT_NE(rig.screenAt(278, barTop), black);
    for (int i = 0; i < 70; ++i) rig.meterTick();
    EXPECT_EQ(rig.screenAt(221, barTop + 15), black);
    EXPECT_TRUE(showsFace(rig, 220, barTop));  // the fall stops at the bar's left edge
}

TEST(FacePainterMeters, ASofterNoteCutsTheBarBackAndTheSoftestDrawsNothing) {
    PainterRig rig;
    rig.showFace();
    const int barTop = face::levelBarOrigin(0).y;
    rig.controls.channelLevel[0] = 100;
    rig.meterTick();
    rig.controls.channelLevel[0] = 40;
    rig.meterTick();
    EXPECT_NE(rig.screenAt(240, barTop), black);
    EXPECT_EQ(rig.screenAt(241, barTop), black);
    EXPECT_EQ(rig.screenAt(270, barTop), black);

    rig.controls.channelLevel[1] = 1;
    rig.controls.channelLevel[2] = LiveControls::notSounded;
    rig.meterTick();
    EXPECT_TRUE(showsFace(rig, 221, face::levelBarOrigin(1).y));
    EXPECT_TRUE(showsFace(rig, 221, face::levelBarOrigin(2).y));
}

TEST(FacePainterMeters, LampsMoveWithThePitchClassInTheColourOfTheSong) {
    PainterRig rig;
    rig.showFace();
    const auto lampPixel = [&](int row, int k) {
        return rig.screenAt(face::noteLamp(row, k).left, face::noteLamp(row, k).top);
    };
    rig.controls.channelPitchClass[6] = 4;
    rig.meterTick();
    EXPECT_EQ(lampPixel(6, 4), white);
    rig.controls.channelPitchClass[6] = 7;
    rig.meterTick();
    EXPECT_EQ(lampPixel(6, 4), black);
    EXPECT_EQ(lampPixel(6, 7), white);

    // A song that has sent GM System On lights its lamps cyan.
    rig.playback.load(SongBytes(1, 480)
                          .track(join({{0x00, 0xF0, 0x05, 0x7E, 0x7F, 0x09, 0x01, 0xF7}, endOfTrack(960)}))
                          .bytes());
    rig.playback.player.startPlayback();
    rig.playback.tick();
    rig.controls.channelPitchClass[6] = 11;
    rig.meterTick();
    EXPECT_EQ(lampPixel(6, 11), cyan);
    EXPECT_EQ(lampPixel(6, 7), black);

    rig.painter.resetMeters();  // nothing lit any more: the lamp of the same pitch class comes back
    rig.showFace();
    rig.meterTick();
    EXPECT_EQ(lampPixel(6, 11), cyan);
}

TEST(FacePainterMeters, StopBlanksEveryMeterAndLamp) {
    PainterRig rig;
    rig.showFace();
    rig.painter.blankMetersAndLamps();
    EXPECT_EQ(rig.screenAt(221, 35), black);
    EXPECT_EQ(rig.screenAt(280, 51 + 32 * 15), black);
    EXPECT_EQ(rig.screenAt(479, 49 + 32 * 15), black);
    EXPECT_TRUE(showsFace(rig, 281, 35));
    EXPECT_TRUE(showsFace(rig, 480, 38));
}

TEST(FacePainterCompactView, NothingIsDrawn) {
    PainterRig rig;
    rig.state.largeView = false;
    rig.state.songLoaded = true;
    rig.showFace();
    rig.controls.channelLevel[0] = 100;
    rig.controls.channelPitchClass[0] = 3;
    rig.painter.drawReadout(FaceDrawing::allReadouts);
    rig.painter.drawSprite(face::playLit);
    rig.painter.drawCell(0, 0);
    rig.painter.drawToggle(0, 0);
    rig.painter.displayTick({true, 120, true, 1, 2, true});
    rig.painter.blankMetersAndLamps();
    EXPECT_EQ(rig.canvases.opened, 0);

    rig.screen = DibImage::create24(face::faceWidth, face::faceHeight);
    rig.painter.paint(*rig.canvases.openCanvas());
    EXPECT_TRUE(rig.canvases.texts.empty());
    EXPECT_EQ(rig.screenAt(0, 0), black);
}
