#pragma once
#include "app/BackgroundChange.h"
#include "app/MenuArea.h"
#include "playback/Player.h"

// "背景画変更" (40061): a picture of the user's becomes the face. Refused without a word while a song plays,
// since the composition holds up the window thread that feeds the device.
class BackgroundMenu : public MenuArea {
  public:
    BackgroundMenu(BackgroundChange& background, const Player& player)
        : background_(background), player_(player) {}
    bool handles(int id) const override;
    void run(int id) override;
    MenuItemState state(int) const override { return {}; }

  private:
    BackgroundChange& background_;
    const Player& player_;
};
