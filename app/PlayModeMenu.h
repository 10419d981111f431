#pragma once
#include "app/MenuArea.h"
#include "app/WindowPort.h"
#include "playback/Player.h"

// "一度だけ" of the settings menu: whether a finished song stops or plays again.
class PlayModeMenu : public MenuArea {
  public:
    PlayModeMenu(Player& player, WindowPort& window) : player_(player), window_(window) {}
    bool handles(int id) const override;
    void run(int id) override;
    MenuItemState state(int id) const override;

  private:
    Player& player_;
    WindowPort& window_;
};
