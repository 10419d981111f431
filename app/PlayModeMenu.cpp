#include "app/PlayModeMenu.h"

#include "resources/CommandIds.h"

bool PlayModeMenu::handles(int id) const {
    return id == IDM_PLAY_ONCE;
}

void PlayModeMenu::run(int) {
    if (player_.songListMode == Player::loopSongs)
        window_.showMessage("循環再生中は使用できません");
    else
        player_.playOnce = !player_.playOnce;
}

MenuItemState PlayModeMenu::state(int) const {
    MenuItemState state;
    state.checked = player_.playOnce;
    return state;
}
