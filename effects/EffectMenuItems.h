#pragma once
#include <cstdint>

#include "effects/EffectSettings.h"

// The items of the menu "効果" that choose or show an effect, with the effect each stands for and its bit
// in the check mark.
struct EffectMenuItem {
    int id;
    EffectType type;
    uint32_t checkBit;
};

// The item with this command id, or nullptr ("効果時間" has none: it chooses no effect).
const EffectMenuItem* effectMenuItem(int id);
// The check bit of the item that names this effect; 0 for a value no item names.
uint32_t checkBitOf(EffectType type);

// Which item of the menu carries the check mark. Exactly one does; it follows the effect in use, but only
// at the moments the menu commands and the closing of an effect dialog choose, so a try in an open dialog
// does not move it yet.
class EffectCheckMark {
  public:
    static constexpr uint32_t noneBit = 0x2000;

    void show(EffectType inUse) { mask_ = checkBitOf(inUse); }
    bool checked(int id) const;

  private:
    uint32_t mask_ = noneBit;
};
