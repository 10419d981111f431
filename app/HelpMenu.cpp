#include "app/HelpMenu.h"

#include "app/Messages.h"
#include "resources/CommandIds.h"

bool HelpMenu::handles(int id) const {
    return id == IDM_HELP_SEARCH;
}

void HelpMenu::run(int) {
    if (!dialogs_.openHelpSearch()) window_.showMessage(helpUnavailableText);
}
