#include "app/BackgroundMenu.h"

#include "resources/CommandIds.h"

bool BackgroundMenu::handles(int id) const {
    return id == IDM_BACKGROUND_CHANGE;
}

void BackgroundMenu::run(int) {
    if (!player_.playing()) background_.change();
}
