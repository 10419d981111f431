#include "app/win32/HotKeyTable.h"

#include <vector>

#include "app/HotKeys.h"

HACCEL createHotKeyTable() {
    std::vector<ACCEL> entries;
    for (const HotKeyBinding& binding : hotKeyBindings) {
        const BYTE flags = BYTE(FVIRTKEY | (binding.control ? FCONTROL : 0));
        entries.push_back(ACCEL{flags, WORD(binding.virtualKey), WORD(binding.commandId)});
    }
    return CreateAcceleratorTableW(entries.data(), int(entries.size()));
}
