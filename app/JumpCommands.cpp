#include "app/JumpCommands.h"

#include <algorithm>

#include "resources/CommandIds.h"

bool JumpCommands::handles(int id) const {
    return id == IDM_JUMP_BACK || id == IDM_JUMP_FORWARD || id == IDM_JUMP_START || id == IDM_JUMP_TO;
}

void JumpCommands::run(int id) {
    if (!player_.playing() || face_.effectDialogOpen) return;
    const std::optional<int> seconds = target(id, clock_.playSeconds.load(std::memory_order_relaxed));
    if (seconds) player_.jumpTo(*seconds);
}

std::optional<int> JumpCommands::target(int id, int now) const {
    switch (id) {
        case IDM_JUMP_BACK:
            return std::max(0, now - stepSeconds);
        case IDM_JUMP_FORWARD:
            return now + stepSeconds;
        case IDM_JUMP_START:
            return 0;
        default: {
            const int32_t shown =
                std::clamp<int32_t>(now, EffectTimeQuestion::minimum, EffectTimeQuestion::maximum);
            // Should the song end while the dialog is open, the player refuses the jump.
            return askMoment_(EffectTimeQuestion(EffectTimeQuestion::askMoment, shown));
        }
    }
}
