#pragma once
#include <utility>

#include "app/MenuArea.h"

// The menu rules of the lower layers (the effect menu, the sound-module menu, ...) cannot see MenuArea,
// since they sit below app/; each gives handles(id), run(id) and checked(id), and may give enabled(id).
// This wraps one of them, owned, as an area of the main window's menu:
//     areas_.push_back(std::make_unique<MenuAreaOf<EffectMenu>>(host, port));
template <class Menu>
class MenuAreaOf : public MenuArea {
  public:
    template <class... Args>
    explicit MenuAreaOf(Args&&... args) : menu_(std::forward<Args>(args)...) {}

    bool handles(int id) const override { return menu_.handles(id); }
    void run(int id) override { menu_.run(id); }
    MenuItemState state(int id) const override {
        MenuItemState state;
        state.checked = menu_.checked(id);
        if constexpr (hasEnabled<Menu>(0)) state.enabled = menu_.enabled(id);
        return state;
    }

    Menu& menu() { return menu_; }
    const Menu& menu() const { return menu_; }

  private:
    template <class M>
    static constexpr auto hasEnabled(int) -> decltype(std::declval<const M&>().enabled(0), bool()) {
        return true;
    }
    template <class>
    static constexpr bool hasEnabled(...) {
        return false;
    }

    Menu menu_;
};
