#include "app/win32/MidiInputDevices.h"

#include "platform/win32/WideText.h"

namespace {
// The submenu that holds the item, searched through the menu bar's popups.
HMENU popupHolding(HMENU menu, UINT id) {
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        HMENU popup = GetSubMenu(menu, i);
        if (!popup) continue;
        if (GetMenuState(popup, id, MF_BYCOMMAND) != UINT(-1) && GetMenuItemID(popup, 0) == id) return popup;
        if (HMENU inner = popupHolding(popup, id)) return inner;
    }
    return nullptr;
}
}  // namespace

void MidiInputDevices::showInputItems(const std::vector<std::string>& names) {
    HMENU popup = popupHolding(GetMenu(window_), MidiInputMenu::noneItem);
    if (!popup) return;
    while (GetMenuItemCount(popup) > 1) DeleteMenu(popup, 1, MF_BYPOSITION);
    for (size_t i = 0; i < names.size(); ++i)
        AppendMenuW(popup, MF_STRING, UINT_PTR(MidiInputMenu::firstDeviceItem + int(i)),
                    widen(names[i]).c_str());
}
