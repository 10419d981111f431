// The settings loaders (the program's and the loaded song's as played) over a store holding anything: values
// of either kind, of any length, under the keys and names they read (and others). Whatever was loaded can be
// saved, and the song's as played read back from what was saved is the same.
#include <iterator>

#include "app/PlayingSettings.h"
#include "app/Settings.h"
#include "fuzz/FuzzInput.h"
#include "tests/support/MemorySettingsStore.h"

namespace {
const char* const keys[] = {Settings::rootKey, Settings::folderKey, Settings::historyKey, Settings::userKey,
                            "Software\\Velmira\\Other"};
const char* const names[] = {"ReadDir",     "SaveDir",   "TexDir",       "Mru1",     "Mru2",
                             "Mru3",        "Mru4",      "Mru5",         "Mru6",     "Mru7",
                             "Ongen",       "BackBmp",   "LyricsWindow", "",         "mru1",
                             "PlayingSong", "Transpose", "Volume",       "Effect",   "EffectStart",
                             "EffectEnd",   "KeySign",   "KeyCount",     "PitchMap", "Cells"};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input(data, size);
    MemorySettingsStore store;
    store.refuseEverything = input.byte() == 0xFF;
    while (!input.empty()) {
        const std::string key = keys[input.byte() % std::size(keys)];
        const std::string name = names[input.byte() % std::size(names)];
        if (input.flag())
            store.put(key, name, "n:" + std::to_string(input.u32()));
        else
            store.put(key, name, "s:" + input.text(input.byte()));
    }

    if (const std::optional<PlayingSettings> playing = loadPlayingSettings(store)) {
        MemorySettingsStore kept;
        if (savePlayingSettings(kept, *playing) != SettingsStore::Status::ok) __builtin_trap();
        const std::optional<PlayingSettings> again = loadPlayingSettings(kept);
        if (!again || again->transpose != playing->transpose ||
            again->masterVolume != playing->masterVolume || again->cells != playing->cells ||
            again->effect.pitchMap.entries != playing->effect.pitchMap.entries)
            __builtin_trap();
    }

    RecentFiles history;
    const Settings settings = loadSettings(store, "C:\\Start", history);
    if (!settings.usable) return 0;

    MemorySettingsStore saved;
    if (saveSettings(saved, settings, history) != SettingsStore::Status::ok) __builtin_trap();
    return 0;
}
