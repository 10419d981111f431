#pragma once
#include "app/MenuArea.h"
#include "effects/EffectSettings.h"

// The check of "効果なし" while no effect is chosen; its command comes with the effect menu's own area and
// is not run here.
class ChoiceChecks : public MenuArea {
  public:
    explicit ChoiceChecks(const EffectSettings& effect) : effect_(effect) {}
    bool handles(int id) const override;
    void run(int) override {}
    MenuItemState state(int id) const override;

  private:
    const EffectSettings& effect_;
};
