#include "app/ViewMenu.h"

#include "resources/CommandIds.h"

bool ViewMenu::handles(int id) const {
    return id == IDM_LARGE_VIEW;
}

void ViewMenu::run(int) {
    face_.largeView = !face_.largeView;
    window_.resizeForView(face_.largeView);
    if (face_.songLoaded) window_.setTitle(songs_.windowTitle());
    if (face_.largeView) window_.invalidateFace();
}

MenuItemState ViewMenu::state(int) const {
    MenuItemState state;
    state.checked = face_.largeView;
    return state;
}
