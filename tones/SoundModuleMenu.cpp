#include "tones/SoundModuleMenu.h"

#include <optional>
#include <utility>

namespace {
std::optional<SoundModule> moduleOfItem(int id) {
    switch (id) {
        case SoundModuleMenu::sc88Item:
            return SoundModule::sc88;
        case SoundModuleMenu::sc55Item:
            return SoundModule::sc55;
        case SoundModuleMenu::sb16Item:
            return SoundModule::sb16;
        default:
            return std::nullopt;
    }
}
}  // namespace

SoundModuleMenu::SoundModuleMenu(SoundModule& module, std::function<bool()> playing)
    : module_(module), playing_(std::move(playing)) {}

bool SoundModuleMenu::handles(int id) const {
    return moduleOfItem(id).has_value();
}

void SoundModuleMenu::run(int id) {
    const auto module = moduleOfItem(id);
    if (module && !playing_()) module_ = *module;
}

bool SoundModuleMenu::checked(int id) const {
    return moduleOfItem(id) == module_;
}
