#include "effects/EffectMenu.h"

#include "resources/CommandIds.h"

bool EffectMenu::handles(int id) const {
    return id == IDM_EFFECT_TIME || effectMenuItem(id) != nullptr;
}

void EffectMenu::run(int id) {
    if (id == IDM_EFFECT_TIME) return setEffectTime();
    if (id == IDM_EFFECT_KEY_SIGNATURE) return dialogs_.openKeySignatureDialog();
    if (id == IDM_EFFECT_PITCH_MAP) return dialogs_.openPitchDialog();
    if (const EffectMenuItem* item = effectMenuItem(id)) selectEffect(item->type);
}

void EffectMenu::selectEffect(EffectType type) {
    if (refused()) return;
    host_.effectSettings().type = type;
    mark_.show(type);
}

void EffectMenu::setEffectTime() {
    if (refused()) return;
    EffectSettings& settings = host_.effectSettings();
    if (settings.type == EffectType::none) return port_.showRefusal(EffectTimeRefusal::noEffectChosen);

    const std::optional<int32_t> start =
        port_.askEffectTime(EffectTimeQuestion(EffectTimeQuestion::askStart, settings.window.start));
    if (!start) {
        settings.window = EffectWindow{};
        return;
    }
    settings.window.start = *start;
    const std::optional<int32_t> end =
        port_.askEffectTime(EffectTimeQuestion(EffectTimeQuestion::askEnd, settings.window.end, *start));
    if (end)
        settings.window.end = *end;
    else
        settings.window = EffectWindow{};
}
