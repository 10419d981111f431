#pragma once
#include "app/Dialogs.h"
#include "app/MenuArea.h"
#include "app/Window.h"

// "トピックの検索" (57667).
class HelpMenu : public MenuArea {
  public:
    HelpMenu(Dialogs& dialogs, Window& window) : dialogs_(dialogs), window_(window) {}
    bool handles(int id) const override;
    void run(int id) override;
    MenuItemState state(int) const override { return {}; }

  private:
    Dialogs& dialogs_;
    Window& window_;
};
