#include "app/HotKeyArea.h"

#include "app/HotKeys.h"

bool HotKeyArea::handles(int id) const {
    return hotKeyForCommand(id).has_value();
}

void HotKeyArea::run(int id) {
    const std::optional<HotKey> key = hotKeyForCommand(id);
    if (!key) return;
    if (const int command = commandForAction(pressHotKey(*key, controls_, face_, player_.playing())))
        runCommand_(command);
}
