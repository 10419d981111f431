// Painting the face: read-outs, sprites, cells and toggles, level meters and note lamps.
#include <gtest/gtest.h>

#include "app/DibCanvas.h"
#include "app/FacePainter.h"
#include "tests/support/PlaybackRig.h"
#include "tests/support/SongBytes.h"

namespace {
constexpr uint32_t black = packColour(0, 0, 0);
constexpr uint32_t white = packColour(255, 255, 255);
constexpr uint32_t cyan = packColour(0, 255, 255);

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
    void meterTick() {
        TickReport report;
        report.metersLive = true;
        painter.displayTick(report);
    }
    uint32_t at(int x, int y) const { return screen.packedAt(x, y); }
    bool showsFace(int x, int y) const { return at(x, y) == facePicture.packedAt(x, y); }
    bool showsFace(face::Point p) const { return showsFace(p.x, p.y); }
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
    // A song tempo of 590.5 ms a quarter is truncated to 590 ms: 101 a minute; the first tick shows the time.
    rig.playback.load(
        SongBytes(1, 480).track(join({tempoEvent(500000), tempoEvent(590500), endOfTrack(96)})).bytes());
    rig.playback.player.startPlayback();
    rig.playback.tick();
    ASSERT_FALSE(rig.playback.updates.empty());
    rig.painter.displayTick(rig.playback.updates.back().redraw);
    std::vector<std::string> texts;
    for (const DrawnText& t : rig.canvases.texts)
        texts.push_back(std::to_string(t.origin.x) + "," + std::to_string(t.origin.y) + " " + t.text);
    EXPECT_EQ(texts, (std::vector<std::string>{"104,284 +00", "104,284 -12", "104,284 +12", "104,220 120",
                                               "104,156 1001", "104,156 101", "64,370 00:00"}));
}

TEST(FacePainterPaint, DrawsTheFaceReadoutsAndOnlyWhatIsSet) {
    PainterRig rig;
    rig.state.songLoaded = true;
    rig.controls.volumeFixed[3] = true;
    rig.state.channelCells[3][FaceState::volumeCell] = 7;
    rig.state.channelCells[5][FaceState::autoPanCell] = 2;
    rig.state.channelToggles[2][FaceState::muteToggle] = true;
    rig.painter.paint(*rig.canvases.openCanvas());
    EXPECT_TRUE(rig.showsFace(0, 0));
    EXPECT_TRUE(rig.showsFace(face::faceWidth - 1, face::faceHeight - 1));
    EXPECT_EQ(rig.canvases.texts.size(), 4u);
    EXPECT_TRUE(rig.shows(face::cellGlyphAt(3, 0), face::cellGlyphSource(7), cellMask));
    EXPECT_TRUE(rig.shows(face::cellGlyphAt(5, 4), face::cellGlyphSource(2), cellMask));
    EXPECT_TRUE(rig.shows(toggleAt(2, 1), face::toggleOnSource(1), toggleMask));
    // An unmarked volume cell, a toggle that is off and a stopped player leave the face as it is.
    EXPECT_TRUE(rig.showsFace(face::cellGlyphAt(4, 0)));
    EXPECT_TRUE(rig.showsFace(toggleAt(2, 0)));
    EXPECT_TRUE(rig.showsFace(face::playPicture));

    // Without a song nothing is marked; while playing the play button is lit.
    rig.state.songLoaded = false;
    rig.playback.load(SongBytes(1, 480).track(endOfTrack(960)).bytes());
    rig.playback.player.startPlayback();
    rig.screen = DibImage::create24(face::faceWidth, face::faceHeight);
    rig.painter.paint(*rig.canvases.openCanvas());
    EXPECT_TRUE(rig.showsFace(face::cellGlyphAt(3, 0)));
    EXPECT_TRUE(rig.showsFace(toggleAt(2, 1)));
    EXPECT_TRUE(rig.shows(face::playPicture, face::playLitSource));
}

TEST(FacePainterElements, CellsAndTogglesAreMaskedThenPainted) {
    PainterRig rig;
    for (int v : {0, 5, 6, 12}) {
        rig.showFace();
        rig.state.channelCells[9][2] = v;
        rig.painter.drawCell(9, 2);
        EXPECT_TRUE(rig.shows(face::cellGlyphAt(9, 2), face::cellGlyphSource(v), cellMask)) << "value " << v;
    }
    rig.painter.drawToggle(15, 2);
    EXPECT_TRUE(rig.shows(toggleAt(15, 2), face::toggleOffSource(2), toggleMask));
    rig.state.channelToggles[15][2] = true;
    rig.showFace();
    rig.painter.drawToggle(15, 2);
    EXPECT_TRUE(rig.shows(toggleAt(15, 2), face::toggleOnSource(2), toggleMask));
    rig.painter.drawSprite(face::fastForwardNormal);
    EXPECT_TRUE(rig.shows(face::fastForwardPicture, face::fastForwardNormalSource));
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
    EXPECT_TRUE(rig.showsFace(281, bar.y));
    EXPECT_TRUE(rig.showsFace(face::levelBarOrigin(1)));  // the softest note draws nothing
    EXPECT_TRUE(rig.showsFace(face::levelBarOrigin(2)));
    rig.controls.channelLevel[0] = 40;  // a softer note cuts its bar back at once
    rig.meterTick();                    // the held loud note keeps its bar
    EXPECT_TRUE(rig.shows(bar, strip));
    EXPECT_NE(rig.at(240, softBarTop), black);
    EXPECT_EQ(rig.at(241, softBarTop), black);
    EXPECT_EQ(rig.at(270, softBarTop), black);

    rig.controls.channelLevel[4] = 0;
    rig.meterTick();
    EXPECT_EQ(rig.at(280, bar.y), black);
    strip.width = 59;
    EXPECT_TRUE(rig.shows(bar, strip));
    rig.meterTick();
    EXPECT_EQ(rig.at(279, bar.y), black);
    EXPECT_NE(rig.at(278, bar.y), black);
    for (int i = 0; i < 70; ++i) rig.meterTick();
    EXPECT_EQ(rig.at(221, bar.y + 15), black);
    EXPECT_TRUE(rig.showsFace(220, bar.y));  // the fall stops at the bar's left edge
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
    rig.playback.load(SongBytes(1, 480)
                          .track(join({{0x00, 0xF0, 0x05, 0x7E, 0x7F, 0x09, 0x01, 0xF7}, endOfTrack(960)}))
                          .bytes());
    rig.playback.player.startPlayback();
    rig.playback.tick();
    rig.controls.channelPitchClass[6] = 11;
    rig.meterTick();
    EXPECT_EQ(lamp(11), cyan);
    EXPECT_EQ(lamp(7), black);

    rig.painter.resetMeters();  // nothing lit any more: the lamp of the same pitch class comes back
    rig.showFace();
    rig.meterTick();
    EXPECT_EQ(lamp(11), cyan);

    rig.painter.blankMetersAndLamps();  // stop: every meter and lamp goes dark
    EXPECT_EQ(lamp(11), black);
    EXPECT_EQ(rig.at(221, 35), black);
    EXPECT_EQ(rig.at(280, 51 + 32 * 15), black);
    EXPECT_EQ(rig.at(479, 49 + 32 * 15), black);
    EXPECT_TRUE(rig.showsFace(281, 35));
    EXPECT_TRUE(rig.showsFace(480, 38));
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
