#pragma once
#include "app/FaceState.h"
#include "app/Window.h"
#include "effects/EffectHost.h"
#include "effects/PlaybackEngine.h"

// The main window's state, playback and window as the effect menu sees them.
class WindowEffectHost : public EffectHost {
  public:
    WindowEffectHost(PlaybackEngine& engine, FaceState& face, Window& window)
        : engine_(engine), face_(face), window_(window) {}

    bool playing() const override { return engine_.player().playing(); }
    bool songLoaded() const override { return face_.songLoaded; }
    EffectSettings& effectSettings() override { return engine_.effect(); }
    // A try during play stops as the user's stop does, so it also ends repeating and a loop over the list.
    void stopPlayback() override { engine_.player().stopPlayback(Player::userStop); }
    void startPlayback() override { engine_.player().startPlayback(); }
    void effectDialogOpen(bool open) override { face_.effectDialogOpen = open; }
    void setWaitCursor(bool waiting) override { window_.setWaitCursor(waiting); }
    void enableCloseCommand(bool enabled) override { window_.enableCloseCommand(enabled); }

  private:
    PlaybackEngine& engine_;
    FaceState& face_;
    Window& window_;
};
