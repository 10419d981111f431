#pragma once
#include <array>
#include <cstdint>

#include "app/Canvas.h"
#include "app/FaceDrawing.h"
#include "app/FaceState.h"
#include "effects/LiveControls.h"
#include "images/DibImage.h"
#include "playback/Player.h"
#include "playback/Sequencer.h"

// Draws everything the face shows over its picture: read-outs, lit and pressed buttons, channel cells and
// toggles, level meters and note lamps. Drawing outside a paint opens a canvas for each request. Nothing
// is drawn in the compact view. Window thread only.
class FacePainter : public FaceDrawing {
  public:
    // face is the window's face picture object: a background change assigns a new picture into it, and
    // the next paint shows that one.
    FacePainter(const DibImage& face, const DibImage& buttonSheet, const FaceState& state,
                LiveControls& controls, const Sequencer& sequencer, const Player& player,
                CanvasSource& canvases);

    // The whole face: picture, read-outs, the lit play button, and with a song loaded the marked cells and
    // the toggles that are on. Meters and lamps come back with the next tick that changes them.
    void paint(Canvas& canvas);

    void drawReadout(Readout which) override;
    void drawSprite(int sprite) override;
    void drawCell(int row, int column) override;
    void drawToggle(int row, int column) override;

    // The window's tick, after the end of a song has been dealt with: the changed read-outs, then the
    // meters and lamps while they are live. Clamps a channel's level above 120 where the filter left it.
    void displayTick(const TickReport& report);
    // Play start: no bar shown, no lamp lit.
    void resetMeters();
    // Stop: every meter and lamp goes dark.
    void blankMetersAndLamps();

  private:
    struct Meter {
        uint8_t shownLevel = 0;  // the level whose bar was drawn last (twice its width)
        int decay = 0;           // pixels taken off the shown bar since its note was released
        int litPitchClass = face::pitchClassCount;  // none
    };

    // The client area's strips right of and below the face, continuing its edge pixels.
    void paintBeyondFace(Canvas& canvas);
    void drawReadoutOn(Canvas& canvas, Readout which);
    void drawSpriteOn(Canvas& canvas, int sprite);
    void drawCellOn(Canvas& canvas, int row, int column);
    void drawToggleOn(Canvas& canvas, int row, int column);
    bool cellMarked(int row, int column) const;
    void drawMeter(Canvas& canvas, int row);
    void drawLamp(Canvas& canvas, int row, uint32_t lampColour);

    const DibImage& face_;
    const DibImage& buttonSheet_;
    const FaceState& state_;
    LiveControls& controls_;
    const Sequencer& sequencer_;
    const Player& player_;
    CanvasSource& canvases_;
    std::array<Meter, LiveControls::channelCount> meters_{};
};
