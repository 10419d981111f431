#pragma once
#include <cstdint>
#include <functional>
#include <optional>

#include "app/FaceState.h"
#include "app/MenuArea.h"
#include "effects/EffectTimeQuestion.h"
#include "playback/PlayClock.h"
#include "playback/Player.h"

// Moving the playing song to another moment: ten seconds back or on (Ctrl+Left, Ctrl+Right), back to the
// start (Home), or to a second chosen in the time dialog (a click on the play-time read-out). Like the face's
// transport they act only while a song plays and no effect dialog is open, and are ignored otherwise.
class JumpCommands : public MenuArea {
  public:
    static constexpr int stepSeconds = 10;
    // The time dialog, modal: the second chosen, or nothing when it was cancelled.
    using AskMoment = std::function<std::optional<int32_t>(const EffectTimeQuestion&)>;

    JumpCommands(Player& player, const PlayClock& clock, const FaceState& face, AskMoment askMoment)
        : player_(player), clock_(clock), face_(face), askMoment_(std::move(askMoment)) {}

    bool handles(int id) const override;
    void run(int id) override;
    MenuItemState state(int) const override { return {}; }

  private:
    std::optional<int> target(int id, int now) const;

    Player& player_;
    const PlayClock& clock_;
    const FaceState& face_;
    AskMoment askMoment_;
};
