#pragma once
#include <memory>
#include <string>
#include <vector>

#include "app/BackgroundChange.h"
#include "app/Canvas.h"
#include "app/FaceControls.h"
#include "app/FacePainter.h"
#include "app/FaceState.h"
#include "app/MenuArea.h"
#include "app/PlatformPorts.h"
#include "app/ProgramTitle.h"
#include "app/Skin.h"
#include "app/SongOpener.h"
#include "effects/PlaybackEngine.h"

// The main window without Windows: it builds the engine, the skin, the face's painter and controls, the
// song opener and the menu areas, and passes the window's messages on to them. The Win32 window turns its
// messages into the calls below and carries out what the ports ask; it never reaches into the parts.
class MainWindowModel : private PlayerHost {
  public:
    MainWindowModel(PlatformPorts ports, MidiOut& out, PlaybackTimer& timer, TickPoster& ticks,
                    CanvasSource& canvases, ShortMessageFailures& failures);

    // Start-up, in two halves around the opening of the MIDI output (see Skin).
    bool loadSprites() { return skin_.loadSprites(); }
    bool loadFace() { return skin_.loadFace(); }

    void paint(Canvas& canvas) { painter_.paint(canvas); }
    void onTick();
    // A menu command; false for ids no menu area handles.
    bool onCommand(int id);
    MenuItemState menuItemState(int id) const;

    // The mouse on the face and on the caption; each returns whether the window goes on to its default
    // handling, and shows a failure of the device the control may just have met.
    bool leftButtonDown(int x, int y);
    bool leftButtonUp();
    bool mouseMove(int x, int y);
    bool rightButtonDown(int x, int y);
    bool captionDoubleClick();
    bool captionRightButton(bool onCaption);
    // An arrow button or fast forward is held down: its release must reach the face wherever it happens.
    bool holdsMouse() const;

    // The close request: stops playback first, then offers to save a changed face. Returns whether the
    // window may be destroyed.
    bool prepareToClose();
    // The window is going: playback stops.
    void onDestroy();
    // Shows a failure of the device noted since the last look (once per playback).
    void reportDeviceFailures();

    PlaybackEngine& engine() { return engine_; }
    SongOpener& songs() { return songs_; }
    Skin& skin() { return skin_; }
    // The background change; none without its port.
    BackgroundChange* background() { return background_.get(); }
    const FaceState& face() const { return face_; }
    std::string windowTitle() const { return songs_.windowTitle(); }

  private:
    // PlayerHost
    void resetForPlayback() override;
    void drawPlayButton(bool lit) override;
    void drawFastForwardButton(bool lit) override;
    void blankMetersAndLamps() override;
    void timerFailed() override;
    void openNextSongListEntry() override { songs_.openNextSongListEntry(); }

    MenuArea* areaFor(int id) const;
    bool afterFaceControl(bool passOn);

    PlatformPorts ports_;
    ShortMessageFailures& failures_;
    FaceState face_;
    PlaybackEngine engine_;
    Skin skin_;
    FacePainter painter_;
    FaceControls controls_;
    SongOpener songs_;
    std::vector<std::unique_ptr<MenuArea>> areas_;
    std::unique_ptr<BackgroundChange> background_;
    bool showingFailure_ = false;  // a failure's message box is open (its modal loop goes on ticking)
};
