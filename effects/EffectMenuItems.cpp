#include "effects/EffectMenuItems.h"

#include <array>

#include "resources/CommandIds.h"

namespace {
const std::array<EffectMenuItem, 12> items = {{
    {IDM_EFFECT_FOLK, EffectType::folk, 0x0001},
    {IDM_EFFECT_JAPANESE, EffectType::japanese, 0x0002},
    {IDM_EFFECT_OKINAWAN, EffectType::okinawan, 0x0004},
    {IDM_EFFECT_SUSPENSE, EffectType::suspense, 0x0100},
    {IDM_EFFECT_IMAGE1, EffectType::image1, 0x0008},
    {IDM_EFFECT_IMAGE2, EffectType::image2, 0x0010},
    {IDM_EFFECT_IMAGE3, EffectType::image3, 0x0020},
    {IDM_EFFECT_IMAGE4, EffectType::mirror, 0x0040},
    {IDM_EFFECT_IMAGE5, EffectType::image5, 0x0080},
    {IDM_EFFECT_KEY_SIGNATURE, EffectType::keySignature, 0x0800},
    {IDM_EFFECT_PITCH_MAP, EffectType::customMap, 0x1000},
    {IDM_EFFECT_NONE, EffectType::none, EffectCheckMark::noneBit},
}};
}  // namespace

const EffectMenuItem* effectMenuItem(int id) {
    for (const EffectMenuItem& item : items)
        if (item.id == id) return &item;
    return nullptr;
}

uint32_t checkBitOf(EffectType type) {
    for (const EffectMenuItem& item : items)
        if (item.type == type) return item.checkBit;
    return 0;
}

bool EffectCheckMark::checked(int id) const {
    const EffectMenuItem* item = effectMenuItem(id);
    return item && (mask_ & item->checkBit);
}
