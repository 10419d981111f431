#pragma once

// The sound module the program addresses. The two GS modules carry tone and drum-set lists; the Sound
// Blaster 16 has none, so with it the tone dialog and the per-channel cells of the face are off.
// The values are the ones stored in the settings.
enum class SoundModule : int {
    sc88 = 0,
    sc55 = 1,
    sb16 = 2,
};

constexpr bool hasToneLists(SoundModule module) {
    return module != SoundModule::sb16;
}

// The module a stored setting names; a value outside 0-2 (a damaged or foreign registry) is the SC-88.
constexpr SoundModule soundModuleFromSetting(int value) {
    return value == 1 ? SoundModule::sc55 : value == 2 ? SoundModule::sb16 : SoundModule::sc88;
}
