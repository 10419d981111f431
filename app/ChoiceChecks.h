#pragma once
#include "app/FaceState.h"
#include "app/MenuArea.h"
#include "effects/EffectSettings.h"

// The checks of the effect and sound-module menus, whose commands come with their own areas: "効果なし"
// while no effect is chosen, and the selected sound module. Their commands are not run here.
class ChoiceChecks : public MenuArea {
  public:
    ChoiceChecks(const EffectSettings& effect, const FaceState& face) : effect_(effect), face_(face) {}
    bool handles(int id) const override;
    void run(int) override {}
    MenuItemState state(int id) const override;

  private:
    const EffectSettings& effect_;
    const FaceState& face_;
};
