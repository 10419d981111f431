#pragma once
#include "app/FaceState.h"
#include "effects/EffectHost.h"
#include "effects/PlaybackEngine.h"

// The main window's state and playback as the effect menu sees them.
class WindowEffectHost : public EffectHost {
  public:
    WindowEffectHost(PlaybackEngine& engine, FaceState& face) : engine_(engine), face_(face) {}

    bool playing() const override { return engine_.player().playing(); }
    bool songLoaded() const override { return face_.songLoaded; }
    EffectSettings& effectSettings() override { return engine_.effect(); }
    // A try during play stops as the user's stop does, so it also ends repeating and a loop over the list.
    void stopPlayback() override { engine_.player().stopPlayback(Player::userStop); }
    void startPlayback() override { engine_.player().startPlayback(); }
    void effectDialogOpen(bool open) override { face_.effectDialogOpen = open; }

  private:
    PlaybackEngine& engine_;
    FaceState& face_;
};
