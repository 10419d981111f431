#pragma once
#include "app/FaceState.h"
#include "app/MenuArea.h"

// The checks of the sound-module menu, whose commands come with their own area: the selected sound module.
// Its commands are not run here.
class ChoiceChecks : public MenuArea {
  public:
    explicit ChoiceChecks(const FaceState& face) : face_(face) {}
    bool handles(int id) const override;
    void run(int) override {}
    MenuItemState state(int id) const override;

  private:
    const FaceState& face_;
};
