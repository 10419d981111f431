#pragma once
#include <cstdint>

#include "app/DibCanvas.h"
#include "app/FacePainter.h"
#include "app/FaceState.h"
#include "tests/support/PlaybackRig.h"

// A painter drawing into a screen picture in memory, over a player in virtual time.
// Every pixel of the face and of the sprite sheet tells where it came from: red = x, green = y, and the
// blue byte tells the two apart. The masks are black in their left half (where a glyph shows) and white
// in their right half; the cell glyphs and toggle pictures are black in their right half.
struct PainterRig {
    static constexpr uint8_t faceBlue = 0xC0;
    static constexpr uint8_t sheetBlue = 0x40;

    PainterRig();

    // The screen as it stands after a paint of the bare face.
    void showFace() { screen = face; }
    void meterTick();
    uint32_t screenAt(int x, int y) const { return screen.packedAt(x, y); }
    static uint32_t faceColour(int x, int y) { return packColour(uint8_t(x), uint8_t(y), faceBlue); }
    uint32_t sheetAt(int x, int y) const { return sheet.packedAt(x, y); }

    PlaybackRig playback;
    LiveControls& controls = playback.controls;
    FaceState state;
    DibImage face;
    DibImage sheet;
    DibImage screen;
    DibCanvasSource canvases{screen};
    FacePainter painter{face, sheet, state, controls, playback.sequencer, playback.player, canvases};
};
