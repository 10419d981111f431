#include "app/SettingsMenu.h"

#include "app/Messages.h"
#include "resources/CommandIds.h"

bool SettingsMenu::handles(int id) const {
    return id == IDM_DELETE_SETTINGS_AND_EXIT;
}

void SettingsMenu::run(int id) {
    if (!handles(id) || !window_.askYesNo(deleteSettingsQuestion)) return;
    // Tried even when the settings could not be read at start-up: whatever the store holds should go.
    if (!deleteAll())
        window_.showMessage(settings_.usable ? settingsDeleteFailedText : settingsUnreachableText);
    settings_.usable = false;
    window_.postClose();
}

// A key that still has subkeys cannot be deleted, so they go first. A key already gone counts as deleted.
bool SettingsMenu::deleteAll() {
    bool deleted = true;
    for (const char* key :
         {Settings::folderKey, Settings::historyKey, Settings::userKey, Settings::rootKey}) {
        const SettingsStore::Status status = store_.deleteKey(key);
        if (status != SettingsStore::Status::ok && status != SettingsStore::Status::absent) deleted = false;
    }
    return deleted;
}
