#include "app/ChoiceChecks.h"

#include "resources/CommandIds.h"

bool ChoiceChecks::handles(int id) const {
    return id == IDM_EFFECT_NONE;
}

MenuItemState ChoiceChecks::state(int) const {
    MenuItemState state;
    state.checked = effect_.type == EffectType::none;
    return state;
}
