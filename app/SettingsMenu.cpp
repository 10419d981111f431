#include "app/SettingsMenu.h"

#include "resources/CommandIds.h"

// Lines short enough that no message box breaks them again, each ending between words.
const char* const SettingsMenu::deleteQuestion =
    "この処理は本ソフトで使用している\n"
    "レジストリ情報を全て削除します。\n"
    "終了後、ディレクトリ内の本ソフトに\n"
    "関連するファイルを削除すれば\n"
    "アンインストールは完了です。\n"
    "続行しますか？";

bool SettingsMenu::handles(int id) const {
    return id == IDM_DELETE_SETTINGS_AND_EXIT;
}

void SettingsMenu::run(int id) {
    if (!handles(id) || !window_.askYesNo(deleteQuestion)) return;
    // Tried even when the settings could not be read at start-up: whatever the store holds should go.
    if (!deleteAll())
        window_.showMessage(settings_.usable ? "レジストリの削除に失敗しました。手動で行って下さい"
                                             : "レジストリへアクセスできません。手動で行って下さい");
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
