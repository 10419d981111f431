#include "app/ChoiceChecks.h"

#include "resources/CommandIds.h"

bool ChoiceChecks::handles(int id) const {
    return id == IDM_MODULE_SC88 || id == IDM_MODULE_SC55 || id == IDM_MODULE_SB16;
}

MenuItemState ChoiceChecks::state(int id) const {
    MenuItemState state;
    switch (id) {
        case IDM_MODULE_SC88:
            state.checked = face_.soundModule == FaceState::sc88;
            break;
        case IDM_MODULE_SC55:
            state.checked = face_.soundModule == FaceState::sc55;
            break;
        default:
            state.checked = face_.soundModule == FaceState::sb16;
            break;
    }
    return state;
}
