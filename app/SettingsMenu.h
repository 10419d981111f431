#pragma once
#include <string>

#include "app/Settings.h"

// What deleting the settings needs from the rest of the window.
class SettingsMenuHost {
  public:
    virtual ~SettingsMenuHost() = default;
    // A question with Yes and No buttons and the information icon; true for Yes.
    virtual bool askYesNo(const std::string& question) = 0;
    virtual void showMessage(const std::string& text) = 0;
    virtual void postClose() = 0;
};

// "レジストリを削除して終了" (40548): removes every setting from the store and ends the program without
// writing them back, an aid to uninstalling.
class SettingsMenu {
  public:
    SettingsMenu(SettingsStore& store, Settings& settings, SettingsMenuHost& host)
        : store_(store), settings_(settings), host_(host) {}

    bool handles(int id) const;
    void run(int id);
    bool checked(int) const { return false; }

  private:
    bool deleteAll();

    SettingsStore& store_;
    Settings& settings_;
    SettingsMenuHost& host_;
};
