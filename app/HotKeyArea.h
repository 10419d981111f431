#pragma once
#include <functional>

#include "app/FaceControls.h"
#include "app/FaceState.h"
#include "app/MenuArea.h"
#include "playback/Player.h"

// The commands of the accelerator table (see hotKeyBindings): each presses its face control or runs its
// menu command (commandForAction). They have no menu items, so their state is never asked for.
class HotKeyArea : public MenuArea {
  public:
    HotKeyArea(FaceControls& controls, const FaceState& face, const Player& player,
               std::function<void(int)> runCommand)
        : controls_(controls), face_(face), player_(player), runCommand_(std::move(runCommand)) {}
    bool handles(int id) const override;
    void run(int id) override;
    MenuItemState state(int) const override { return {}; }

  private:
    FaceControls& controls_;
    const FaceState& face_;
    const Player& player_;
    std::function<void(int)> runCommand_;
};
