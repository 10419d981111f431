// Painting the face: read-outs, sprites, cells and toggles, level meters and note lamps, on the in-memory
// canvas that keeps every copy inside both pictures.
#include <gtest/gtest.h>

#include "app/DibCanvas.h"
#include "app/FacePainter.h"
#include "playback/SmfWriter.h"
#include "resources/skin/SkinPanels.h"
#include "tests/support/PlaybackRig.h"

namespace {
constexpr uint32_t black = packColour(0, 0, 0);
constexpr uint32_t white = packColour(255, 255, 255);

// Every pixel tells where it came from: red = x, green = y, and the blue byte tells the pictures apart.
DibImage codedPicture(int width, int height, uint8_t blue) {
    DibImage picture = DibImage::create24(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) picture.setPackedAt(x, y, packColour(uint8_t(x), uint8_t(y), blue));
    return picture;
}

// A painter drawing into a screen picture in memory, over a player in virtual time.
struct PainterRig {
    // The screen as it stands after a paint of the bare face.
    void showFace() { screen = facePicture; }
    void meterTick() { painter.displayTick({false, 0, false, 0, 0, true}); }
    uint32_t at(int x, int y) const { return screen.packedAt(x, y); }
    bool showsFace(face::Point p) const { return at(p.x, p.y) == facePicture.packedAt(p.x, p.y); }
    // Whether the screen at `to` shows the sheet's picture pixel for pixel, or with a mask, the face ANDed
    // with the mask and then ORed with the picture.
    ::testing::AssertionResult shows(face::Point to, const face::SheetRect& picture,
                                     const face::SheetRect* mask = nullptr) {
        for (int j = 0; j < picture.height; ++j)
            for (int i = 0; i < picture.width; ++i) {
                const int x = to.x + i, y = to.y + j;
                uint32_t expected = sheet.packedAt(picture.x + i, picture.y + j);
                if (mask) expected |= facePicture.packedAt(x, y) & sheet.packedAt(mask->x + i, mask->y + j);
                if (at(x, y) != expected)
                    return ::testing::AssertionFailure() << "differs at " << x << "," << y;
            }
        return ::testing::AssertionSuccess();
    }

    PlaybackRig playback;
    LiveControls& controls = playback.controls;
    FaceState state;
    DibImage facePicture = codedPicture(face::faceWidth, face::faceHeight, 0xC0);
    DibImage sheet = codedPicture(face::sheetWidth, face::sheetHeight, 0x21);
    DibImage screen = DibImage::create24(face::faceWidth, face::faceHeight);
    DibCanvasSource canvases{screen};
    FacePainter painter{facePicture, sheet, state, controls, playback.sequencer, playback.player, canvases};
};

constexpr const face::SheetRect* cellMask = &face::cellGlyphMaskSource;
constexpr const face::SheetRect* toggleMask = &face::toggleMaskSource;

face::Point toggleAt(int row, int column) {
    const face::Rect r = face::toggleRect(row, column);
    return {r.left, r.top};
}
}  // namespace

TEST(DibCanvas, CopiesFillsAndTextAreClippedAtTheEdgesOfBothPictures) {
    DibImage screen = codedPicture(10, 8, 0xC0);
    const DibImage before = screen;
    const DibImage source = codedPicture(4, 4, 0x21);
    std::vector<DrawnText> texts;
    DibCanvas canvas(screen, texts);
    canvas.drawImage(source, {-2, -2, 4, 4}, {0, 0}, RasterOp::copy);  // only source 0..1 x 0..1 exists
    EXPECT_EQ(screen.packedAt(2, 2), source.packedAt(0, 0));
    EXPECT_EQ(screen.packedAt(3, 3), source.packedAt(1, 1));
    EXPECT_EQ(screen.packedAt(1, 1), before.packedAt(1, 1));
    EXPECT_EQ(screen.packedAt(4, 4), before.packedAt(4, 4));
    canvas.drawImage(source, {0, 0, 4, 4}, {8, 6}, RasterOp::copy);  // runs off the right and bottom
    EXPECT_EQ(screen.packedAt(9, 7), source.packedAt(1, 1));
    canvas.drawImage(source, {0, 0, 4, 4}, {-3, -3}, RasterOp::copy);
    EXPECT_EQ(screen.packedAt(0, 0), source.packedAt(3, 3));
    canvas.fillRect({-5, 6, 100, 100}, white);
    EXPECT_EQ(screen.packedAt(0, 7), white);

    canvas.drawText({6, 2}, "12:34");  // its box runs off the right edge
    EXPECT_EQ(screen.packedAt(9, 5), black);
    EXPECT_EQ(screen.packedAt(5, 1), before.packedAt(5, 1));
}

TEST(FacePainterReadouts, NumbersAreShownInTheirFormatsAtTheirPlaces) {
    PainterRig rig;
    for (int shift : {0, -12, 12}) {
        rig.controls.keyShift = shift;
        rig.painter.drawReadout(FaceDrawing::transposeReadout);
    }
    rig.state.masterVolume = 120;
    rig.painter.drawReadout(FaceDrawing::volumeReadout);
    rig.playback.sequencer.setDisplayTempo(1001);
    rig.painter.drawReadout(FaceDrawing::tempoReadout);
    rig.painter.displayTick({true, 101, true, 1, 2, false});
    std::vector<std::string> texts;
    for (const DrawnText& t : rig.canvases.texts)
        texts.push_back(std::to_string(t.origin.x) + "," + std::to_string(t.origin.y) + " " + t.text);
    EXPECT_EQ(texts, (std::vector<std::string>{"104,288 +00", "104,288 -12", "104,288 +12", "104,224 120",
                                               "104,160 1001", "104,160 101", "64,371 01:02"}));
}

TEST(FacePainterPaint, DrawsTheFaceReadoutsAndOnlyWhatIsSetWithCellsAndTogglesMaskedThenPainted) {
    PainterRig rig;
    rig.state.songLoaded = true;
    rig.controls.volumeFixed[3] = true;
    rig.state.channelCells[3][FaceState::volumeCell] = 7;
    rig.state.channelCells[5][FaceState::autoPanCell] = 2;
    rig.state.channelToggles[2][FaceState::muteToggle] = true;
    rig.painter.paint(*rig.canvases.openCanvas());
    EXPECT_EQ(rig.canvases.texts.size(), 4u);
    EXPECT_TRUE(rig.shows(face::cellGlyphAt(3, 0), face::cellGlyphSource(7), cellMask));
    EXPECT_TRUE(rig.shows(face::cellGlyphAt(5, 4), face::cellGlyphSource(2), cellMask));
    EXPECT_TRUE(rig.shows(toggleAt(2, 1), face::toggleOnSource(1), toggleMask));
    // An unmarked volume cell, a toggle that is off and a stopped player leave the face as it is.
    EXPECT_TRUE(rig.showsFace(face::cellGlyphAt(4, 0)));
    EXPECT_TRUE(rig.showsFace(toggleAt(2, 0)));
    EXPECT_TRUE(rig.showsFace(face::playPicture));
    rig.showFace();
    rig.state.channelCells[9][2] = 12;
    rig.painter.drawCell(9, 2);
    EXPECT_TRUE(rig.shows(face::cellGlyphAt(9, 2), face::cellGlyphSource(12), cellMask));
    rig.state.channelToggles[2][FaceState::muteToggle] = false;
    rig.painter.drawToggle(2, 1);
    EXPECT_TRUE(rig.shows(toggleAt(2, 1), face::toggleOffSource(1), toggleMask));

    // Without a song nothing is marked; while playing the play button is lit.
    rig.state.songLoaded = false;
    rig.playback.load(SmfWriter(1, 480).track(endOfTrack(960)).bytes());
    rig.playback.player.startPlayback();
    rig.screen = DibImage::create24(face::faceWidth, face::faceHeight);
    rig.painter.paint(*rig.canvases.openCanvas());
    EXPECT_TRUE(rig.showsFace(face::cellGlyphAt(3, 0)));
    EXPECT_TRUE(rig.showsFace(toggleAt(2, 1)));
    EXPECT_TRUE(rig.shows(face::playPicture, face::playLitSource));
}

TEST(FacePainterMeters, BarsRiseWithTheVelocityAndFallAPixelPerTickAfterRelease) {
    PainterRig rig;
    rig.showFace();
    const face::Point bar = face::levelBarOrigin(4);
    face::SheetRect strip = face::levelStripSource;
    const int softBarTop = face::levelBarOrigin(0).y;
    rig.controls.channelLevel[4] = 127;
    rig.controls.channelLevel[0] = 100;
    rig.controls.channelLevel[1] = 1;
    rig.controls.channelLevel[2] = LiveControls::notSounded;
    rig.meterTick();
    EXPECT_EQ(rig.controls.channelLevel[4], 120);
    EXPECT_TRUE(rig.shows(bar, strip));
    EXPECT_TRUE(rig.showsFace({281, bar.y}));
    EXPECT_TRUE(rig.showsFace(face::levelBarOrigin(1)));  // the softest note draws nothing
    EXPECT_TRUE(rig.showsFace(face::levelBarOrigin(2)));
    rig.controls.channelLevel[0] = 40;  // a softer note cuts its bar back at once
    rig.meterTick();                    // the held loud note keeps its bar
    EXPECT_TRUE(rig.shows(bar, strip));
    EXPECT_NE(rig.at(240, softBarTop), black);
    EXPECT_EQ(rig.at(241, softBarTop), black);

    rig.controls.channelLevel[4] = 0;
    rig.meterTick();
    strip.width = 59;
    EXPECT_TRUE(rig.shows(bar, strip));
    EXPECT_EQ(rig.at(280, bar.y), black);
    rig.meterTick();
    EXPECT_EQ(rig.at(279, bar.y), black);
    EXPECT_NE(rig.at(278, bar.y), black);
    for (int i = 0; i < 70; ++i) rig.meterTick();
    EXPECT_EQ(rig.at(221, bar.y + 15), black);
    EXPECT_TRUE(rig.showsFace({220, bar.y}));  // the fall stops at the bar's left edge
}

TEST(FacePainterMeters, LampsMoveWithThePitchClassInTheColourOfTheSongAndGoDarkAtStop) {
    PainterRig rig;
    rig.showFace();
    const auto lamp = [&](int k) { return rig.at(face::noteLamp(6, k).left, face::noteLamp(6, k).top); };
    rig.controls.channelPitchClass[6] = 4;
    rig.meterTick();
    EXPECT_EQ(lamp(4), white);
    rig.controls.channelPitchClass[6] = 7;
    rig.meterTick();
    EXPECT_EQ(lamp(4), black);
    EXPECT_EQ(lamp(7), white);

    // A song that has sent GM System On lights its lamps cyan.
    rig.playback.load(SmfWriter(1, 480)
                          .track(join({{0x00, 0xF0, 0x05, 0x7E, 0x7F, 0x09, 0x01, 0xF7}, endOfTrack(960)}))
                          .bytes());
    rig.playback.player.startPlayback();
    rig.playback.tick();
    rig.controls.channelPitchClass[6] = 11;
    rig.meterTick();
    EXPECT_EQ(lamp(11), packColour(0, 255, 255));

    rig.painter.resetMeters();  // nothing lit any more: the lamp of the same pitch class comes back
    rig.showFace();
    rig.meterTick();
    EXPECT_EQ(lamp(11), packColour(0, 255, 255));

    rig.painter.blankMetersAndLamps();  // stop: every meter and lamp goes dark
    EXPECT_EQ(lamp(11), black);
    EXPECT_EQ(rig.at(280, 51 + 32 * 15), black);  // the last meter's far corner
    EXPECT_TRUE(rig.showsFace({281, 35}));
}

TEST(FacePainterCompactView, NothingIsDrawn) {
    PainterRig rig;
    rig.state.largeView = false;
    rig.state.songLoaded = true;
    rig.controls.channelLevel[0] = 100;
    rig.controls.channelPitchClass[0] = 3;
    rig.painter.drawReadout(FaceDrawing::allReadouts);
    rig.painter.drawSprite(face::playLit);
    rig.painter.drawCell(0, 0);
    rig.painter.drawToggle(0, 0);
    rig.painter.displayTick({true, 120, true, 1, 2, true});
    rig.painter.blankMetersAndLamps();
    rig.painter.paint(*rig.canvases.openCanvas());
    EXPECT_EQ(rig.canvases.opened, 1);  // the paint's own
    EXPECT_TRUE(rig.canvases.texts.empty());
    EXPECT_EQ(rig.at(0, 0), black);
}

// The window's client area is a few pixels larger than the face: those pixels repeat the face's edge.
TEST(FacePainterPaint, TheClientAreaBeyondTheFaceContinuesItsEdge) {
    PainterRig rig;
    rig.screen = DibImage::create24(face::faceWidth + 5, face::faceHeight + 3);
    for (int y = 0; y < rig.screen.height(); ++y)
        for (int x = 0; x < rig.screen.width(); ++x) rig.screen.setPackedAt(x, y, white);
    rig.painter.paint(*rig.canvases.openCanvas());
    for (int y = 0; y < rig.screen.height(); ++y)
        for (int x = 0; x < rig.screen.width(); ++x) {
            if (x < face::faceWidth && y < face::faceHeight) continue;
            const uint32_t edge =
                rig.facePicture.packedAt(std::min(x, face::faceWidth - 1), std::min(y, face::faceHeight - 1));
            ASSERT_EQ(rig.at(x, y), edge) << x << "," << y;
        }
}

// Each read-out's line of text (a black box on the in-memory canvas) has as many pixels of the skin's
// well above it as below it, give or take one.
TEST(FacePainterReadouts, EachSitsInTheMiddleOfItsWell) {
    PainterRig rig;
    rig.painter.paint(*rig.canvases.openCanvas());
    const struct {
        const char* readout;
        face::Point text;
        face::Rect well;
    } readouts[] = {{"time", face::timeText, skin::timeWell},
                    {"tempo", face::tempoField.text, skin::tempoWell},
                    {"volume", face::volumeField.text, skin::volumeWell},
                    {"transpose", face::transposeField.text, skin::transposeWell}};
    for (const auto& r : readouts) {
        const int x = r.text.x + 1;
        int top = -1, bottom = -1;
        for (int y = r.well.top - 4; y < r.well.bottom + 4; ++y)
            if (rig.at(x, y) == black) {
                if (top < 0) top = y;
                bottom = y + 1;
            }
        ASSERT_GE(top, r.well.top) << r.readout;
        ASSERT_LE(bottom, r.well.bottom) << r.readout;
        EXPECT_LE(std::abs((top - r.well.top) - (r.well.bottom - bottom)), 1) << r.readout;
    }
}
