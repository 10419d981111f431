// Painting the face: read-outs, sprites, cells and toggles, level meters and note lamps, on the in-memory
// canvas that keeps every copy inside both pictures. What the painter draws is pinned as pictures of the
// face in a handful of states in tests/golden/face-pictures.txt.
#include <gtest/gtest.h>

#include "app/DibCanvas.h"
#include "app/FacePainter.h"
#include "playback/SmfWriter.h"
#include "resources/skin/SkinPanels.h"
#include "tests/support/Golden.h"
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
    void meterTick() { painter.displayTick({false, 0, false, 0, 0, true}); }
    void paint() { painter.paint(*canvases.openCanvas()); }
    // The screen as it stands, with the texts drawn since the last snapshot.
    void snapshot(const std::string& name) {
        std::string texts;
        for (const DrawnText& t : canvases.texts)
            texts += std::to_string(t.origin.x) + "," + std::to_string(t.origin.y) + " " + t.text + "\n";
        canvases.texts.clear();
        pictures.push_back({name, encodeBmpFile(screen), texts});
    }

    PlaybackRig playback;
    LiveControls& controls = playback.controls;
    FaceState state;
    DibImage facePicture = codedPicture(face::faceWidth, face::faceHeight, 0xC0);
    DibImage sheet = codedPicture(face::sheetWidth, face::sheetHeight, 0x21);
    // A few pixels larger than the face, as the window's client area is.
    DibImage screen = DibImage::create24(face::faceWidth + 5, face::faceHeight + 3);
    DibCanvasSource canvases{screen};
    FacePainter painter{facePicture, sheet, state, controls, playback.sequencer, playback.player, canvases};
    std::vector<GoldenPicture> pictures;
};
}  // namespace

TEST(DibCanvas, CopiesFillsAndTextAreClippedAtTheEdgesOfBothPictures) {
    DibImage screen = codedPicture(10, 8, 0xC0);
    const DibImage before = screen;
    const DibImage source = codedPicture(4, 4, 0x21);
    std::vector<DrawnText> texts;
    DibCanvas canvas(screen, texts);
    canvas.drawImage(source, {-2, -2, 4, 4}, {0, 0}, RasterOp::copy);  // only source 0..1 x 0..1 exists
    EXPECT_EQ(std::pair(screen.packedAt(2, 2), screen.packedAt(3, 3)),
              std::pair(source.packedAt(0, 0), source.packedAt(1, 1)));
    EXPECT_EQ(std::pair(screen.packedAt(1, 1), screen.packedAt(4, 4)),
              std::pair(before.packedAt(1, 1), before.packedAt(4, 4)));
    canvas.drawImage(source, {0, 0, 4, 4}, {8, 6}, RasterOp::copy);  // runs off the right and bottom
    EXPECT_EQ(screen.packedAt(9, 7), source.packedAt(1, 1));
    canvas.drawImage(source, {0, 0, 4, 4}, {-3, -3}, RasterOp::copy);
    EXPECT_EQ(screen.packedAt(0, 0), source.packedAt(3, 3));
    canvas.fillRect({-5, 6, 100, 100}, white);
    EXPECT_EQ(screen.packedAt(0, 7), white);

    canvas.drawText({6, 2}, "12:34");  // its box runs off the right edge
    EXPECT_EQ(std::pair(screen.packedAt(9, 5), screen.packedAt(5, 1)),
              std::pair(black, before.packedAt(5, 1)));
}

// Cells and toggles are drawn masked onto the face; meters rise with the velocity at once and fall a pixel
// per tick; lamps follow the pitch class, cyan once the song has sent GM System On.
TEST(FacePainter, PaintsTheFaceInEachStateAsPinned) {
    PainterRig rig;
    // Every sprite by its name: the pressed ones with the read-outs, the released ones with the cells.
    const auto drawSprites = [&](bool pressed) {
        for (const face::NumberField* f : {&face::tempoField, &face::volumeField, &face::transposeField})
            for (const face::ArrowButton* b : {&f->down, &f->up})
                rig.painter.drawSprite(pressed ? b->pressed : b->released);
        for (int sprite : pressed ? std::vector{face::fastForwardLit}
                                  : std::vector{face::fastForwardNormal, face::playNormal})
            rig.painter.drawSprite(sprite);
    };
    rig.paint();
    rig.snapshot("bare");  // the client area beyond the face continues its edge

    rig.controls.keyShift = -12;
    rig.state.masterVolume = 120;
    rig.playback.sequencer.setDisplayTempo(1001);
    rig.paint();
    rig.controls.keyShift = 12;
    for (auto readout : {FaceDrawing::transposeReadout, FaceDrawing::tempoReadout})
        rig.painter.drawReadout(readout);
    rig.painter.displayTick({true, 101, true, 1, 2, false});
    drawSprites(true);
    rig.snapshot("readouts");

    rig.state.songLoaded = true;
    rig.controls.volumeFixed[3] = true;
    rig.state.channelCells[3][FaceState::volumeCell] = 7;
    rig.state.channelCells[5][FaceState::autoPanCell] = 2;
    rig.state.channelToggles[0][FaceState::muteToggle] = true;
    rig.state.channelToggles[4][FaceState::soloToggle] = true;
    rig.paint();
    rig.state.channelCells[9][2] = 12;
    rig.painter.drawCell(9, 2);
    rig.state.channelCells[5][FaceState::autoPanCell] = 0;  // stepped back: an empty cell
    rig.painter.drawCell(5, FaceState::autoPanCell);
    rig.state.channelToggles[4][FaceState::soloToggle] = false;
    rig.painter.drawToggle(4, 0);
    drawSprites(false);
    rig.snapshot("cells");

    rig.state.songLoaded = false;  // without a song nothing is marked; while playing, play is lit
    rig.playback.load(SmfWriter(1, 480)
                          .track(join({{0x00, 0xF0, 0x05, 0x7E, 0x7F, 0x09, 0x01, 0xF7}, endOfTrack(960)}))
                          .bytes());
    rig.playback.player.startPlayback();
    rig.paint();
    rig.snapshot("playing");

    rig.controls.channelLevel[4] = 127;
    rig.controls.channelLevel[0] = 100;
    rig.controls.channelLevel[1] = 1;  // no bar below 2; a bar of one pixel at 2
    rig.controls.channelLevel[2] = 2;
    rig.controls.channelPitchClass[6] = 4;
    rig.meterTick();
    EXPECT_EQ(rig.controls.channelLevel[4], 120);  // the clamp is stored back for the next frame
    rig.controls.channelLevel[0] = 40;  // cuts its bar back at once; the held loud note keeps its bar
    rig.controls.channelPitchClass[6] = 7;
    rig.meterTick();
    rig.snapshot("meters");
    rig.controls.channelLevel[4] = 0;
    for (int i = 0; i < 3; ++i) rig.meterTick();
    rig.snapshot("meters-falling");
    rig.playback.tick();  // GM System On
    rig.controls.channelPitchClass[6] = 11;
    for (int i = 0; i < 70; ++i) rig.meterTick();
    rig.snapshot("meters-fallen");

    rig.painter.blankMetersAndLamps();
    rig.snapshot("stopped");
    rig.painter.resetMeters();  // a new start: the lamp of the same note lights again
    rig.meterTick();
    EXPECT_NE(rig.screen.packedAt(face::noteLamp(6, 11).left, face::noteLamp(6, 11).top), 0u);
    expectGoldenPictures("face-pictures.txt", rig.pictures);

    // In a window larger still, the face's last column and row run on for 32 pixels, and no further.
    DibImage wide = DibImage::create24(face::faceWidth + 40, face::faceHeight + 40);
    std::vector<DrawnText> texts;
    DibCanvas canvas(wide, texts);
    rig.painter.paint(canvas);
    constexpr int right = face::faceWidth - 1, bottom = face::faceHeight - 1;
    EXPECT_EQ(
        std::tuple(wide.packedAt(right + 32, 7), wide.packedAt(right + 33, 7), wide.packedAt(5, bottom + 32)),
        std::tuple(rig.facePicture.packedAt(right, 7), black, rig.facePicture.packedAt(5, bottom)));
}

// Each request within the face's ranges draws, and one outside draws nothing (a stray index must not read
// past the sprite sheet).
TEST(FacePainter, DrawsEveryIndexWithinItsRangeAndNothingOutside) {
    const struct {
        char kind;
        int a, b;
        bool draws;
    } rows[] = {
        {'s', -1, 0, false},
        {'s', face::spriteCount, 0, false},
        {'c', 0, 0, true},
        {'c', 15, face::cellCount - 1, true},
        {'c', 0, -1, false},
        {'c', 0, face::cellCount, false},
        {'c', 16, 0, false},
        {'t', 0, 0, true},
        {'t', 15, face::toggleCount - 1, true},
        {'t', 0, face::toggleCount, false},
        {'t', -1, 0, false},
    };
    for (const auto& r : rows) {
        PainterRig rig;
        const DibImage before = rig.screen;
        if (r.kind == 's') rig.painter.drawSprite(r.a);
        if (r.kind == 'c') rig.painter.drawCell(r.a, r.b);
        if (r.kind == 't') rig.painter.drawToggle(r.a, r.b);
        EXPECT_EQ(rig.screen.block() != before.block(), r.draws) << r.kind << " " << r.a << " " << r.b;
    }
}
