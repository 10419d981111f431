#include "app/FileMenu.h"

#include "resources/CommandIds.h"

bool FileMenu::handles(int id) const {
    return id == IDM_FILE_OPEN || id == IDM_APP_EXIT || id == IDM_HISTORY_CLEAR;
}

void FileMenu::run(int id) {
    switch (id) {
        case IDM_FILE_OPEN:
            if (!player_.playing()) songs_.openFromMenu();
            break;
        case IDM_APP_EXIT:
            window_.postClose();
            break;
        default:  // clearing the history: there is none yet
            break;
    }
}

MenuItemState FileMenu::state(int id) const {
    MenuItemState state;
    // The history is never kept yet, so there is nothing to clear.
    if (id == IDM_HISTORY_CLEAR) state.enabled = false;
    return state;
}
