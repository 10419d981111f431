#pragma once

// The drawing operations that the face's controls ask for after changing something. The painter does
// them (and does nothing while the compact view is shown); tests record them.
class FaceDrawing {
  public:
    enum Readout {
        timeReadout = 0,
        tempoReadout = 1,
        allReadouts = 2,
        transposeReadout = 3,
        volumeReadout = 4
    };

    virtual ~FaceDrawing() = default;
    virtual void drawReadout(Readout which) = 0;
    virtual void drawSprite(int sprite) = 0;  // 0..15, face::Sprite
    virtual void drawCell(int row, int column) = 0;
    virtual void drawToggle(int row, int column) = 0;
};
