#pragma once

// What a menu item shows when its menu opens: derived from the state it stands for, never stored.
struct MenuItemState {
    bool checked = false;
    bool enabled = true;
};

// One area of the main window's menu (the file and song commands, the view, and so on as they come): the
// commands it runs and the checks of its items. The model keeps a list of areas and hands every menu
// command and every menu opening to the first area that handles the id; ids no area handles are
// unknown to the window and get unchecked, enabled items.
//
// A new area is one class in its own file pair, app/<Name>Menu.h/.cpp, built from the parts of the model
// it needs (passed by reference to its constructor), plus one line in MainWindowModel's constructor:
//     areas_.push_back(std::make_unique<NameMenu>(...));
// Its command ids go in resources/CommandIds.h (which the menu resource reads too). Menu rules that live
// below app/ are wrapped with MenuAreaOf (app/MenuAreaOf.h).
class MenuArea {
  public:
    virtual ~MenuArea() = default;
    virtual bool handles(int id) const = 0;
    // A command of this area. Commands that do not apply at the moment are ignored silently.
    virtual void run(int id) = 0;
    virtual MenuItemState state(int id) const = 0;
};
