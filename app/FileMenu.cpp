#include "app/FileMenu.h"

#include "resources/CommandIds.h"

bool FileMenu::handles(int id) const {
    return id == IDM_FILE_OPEN || id == IDM_APP_EXIT;
}

void FileMenu::run(int id) {
    switch (id) {
        case IDM_FILE_OPEN:
            if (!player_.playing()) songs_.openFromMenu();
            break;
        case IDM_APP_EXIT:
            window_.postClose();
            break;
        default:
            break;
    }
}

MenuItemState FileMenu::state(int) const {
    return {};
}
