#pragma once
#include <string>
#include <vector>

#include "app/HistoryMenu.h"

// What keeping the settings asks of the platform besides the store: the current folder and the history items
// of the "ファイル" menu. Paths and texts are UTF-8.
class SettingsPort {
  public:
    virtual ~SettingsPort() = default;
    virtual std::string currentFolder() = 0;
    // False when the folder cannot be made current (gone, no access); the current folder stays then.
    virtual bool setCurrentFolder(const std::string& folder) = 0;
    // Replaces the history items of the "ファイル" menu (from its third position on) and redraws the menu
    // bar.
    virtual void showHistoryItems(const std::vector<HistoryMenuItem>& items) = 0;
};
