#pragma once
#include <functional>

#include "app/FaceDrawing.h"
#include "app/FaceState.h"
#include "effects/PlaybackEngine.h"

// The mouse controls of the face. The face has no child windows: the window hands its mouse messages here,
// each is hit-tested against the fixed rectangles of the face layout and turned into playback commands,
// live-control changes, messages to the device and drawing requests. Everything runs on the window thread;
// what the timer thread reads is written through LiveControls and the Sequencer, one value at a time.
class FaceControls {
  public:
    // Opens the tone dialog for a channel whose row of the tone column was clicked.
    using ToneChangeHook = std::function<void(int channel)>;

    FaceControls(FaceState& face, PlaybackEngine& engine, FaceDrawing& drawing,
                 ToneChangeHook changeChannelTone);

    // Play works while stopped; every other control of the face only while a song plays.
    void leftButtonDown(int x, int y);
    // Releases a held arrow button, or ends fast forward.
    void leftButtonUp();
    // Releases a held arrow button or fast forward once the pointer leaves it.
    void mouseMove(int x, int y);
    // Over the cells, steps the cell under the pointer down.
    void rightButtonDown(int x, int y);

    // The compact view has no face to click: playback is started by a double click on the caption and
    // stopped by a right click on it.
    void captionDoubleClick();
    void captionRightButton(bool onCaption);

    // A cell set to a value, as its buttons would step it there (a restart bringing the song back).
    void setCell(int channel, int column, int value);

  private:
    // While an effect dialog is open, only its tries start and stop playback.
    bool transportAllowed() const { return !face_.effectDialogOpen; }
    // Returns whether an arrow button took the click (a field at its limit does not).
    void pressArrow(int x, int y);
    bool stepArrowField(int button);
    void releaseArrow();
    void endFastForward();
    void allSoundOff(int channel);

    // Channel cells (ChannelCells.cpp): step +1 for the left button, -1 for the right.
    void stepCell(int x, int y, int step);
    void setCellValue(int channel, int column, int value);

    // Channel toggles (ChannelToggles.cpp).
    void switchToggle(int x, int y);
    void switchSolo(int channel);
    void switchMute(int channel);
    void switchOctaveDouble(int channel);
    bool hasSounded(int channel) const;

    FaceState& face_;
    LiveControls& controls_;
    AutoPan& autoPan_;
    Sequencer& sequencer_;
    Player& player_;
    MidiOut& out_;
    FaceDrawing& drawing_;
    ToneChangeHook changeChannelTone_;
};
