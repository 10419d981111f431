#pragma once
#include "app/MenuArea.h"
#include "app/WindowPort.h"

// Where the program's help is shown: the platform's help viewer on the help file beside the program.
class HelpPort {
  public:
    virtual ~HelpPort() = default;
    // Opens the help at its search page; false when the file or the viewer is missing.
    virtual bool openHelpSearch() = 0;
};

// "トピックの検索" (57667).
class HelpMenu : public MenuArea {
  public:
    HelpMenu(HelpPort& help, WindowPort& window) : help_(help), window_(window) {}
    bool handles(int id) const override;
    void run(int id) override;
    MenuItemState state(int) const override { return {}; }

  private:
    HelpPort& help_;
    WindowPort& window_;
};
