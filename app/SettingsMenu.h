#pragma once
#include <string>

#include "app/Settings.h"
#include "app/Window.h"

// "レジストリを削除して終了" (40548): removes every setting from the store and ends the program without
// writing them back, an aid to uninstalling.
class SettingsMenu {
  public:
    SettingsMenu(SettingsStore& store, Settings& settings, Window& window)
        : store_(store), settings_(settings), window_(window) {}

    bool handles(int id) const;
    void run(int id);
    bool checked(int) const { return false; }

  private:
    bool deleteAll();

    SettingsStore& store_;
    Settings& settings_;
    Window& window_;
};
