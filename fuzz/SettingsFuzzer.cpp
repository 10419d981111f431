// The settings loader over a store holding anything: values of either kind, of any length, under the keys
// and names the program reads (and others). Whatever was loaded can be saved.
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>

#include "app/Settings.h"
#include "fuzz/FuzzInput.h"
#include "tests/support/MemorySettingsStore.h"

namespace {
const char* const keys[] = {Settings::rootKey, Settings::folderKey, Settings::historyKey, Settings::userKey,
                            "Software\\Velmira\\Other"};
const char* const names[] = {"ReadDir", "SaveDir", "TexDir",       "Mru1", "Mru2",
                             "Mru3",    "Mru4",    "Mru5",         "Mru6", "Mru7",
                             "Ongen",   "BackBmp", "LyricsWindow", "",     "mru1"};

void fill(FuzzInput& input, MemorySettingsStore& store) {
    while (!input.empty()) {
        const std::string key = keys[input.byte() % std::size(keys)];
        const std::string name = names[input.byte() % std::size(names)];
        if (input.flag())
            store.put(key, name, input.u32());
        else
            store.put(key, name, input.text(input.byte()));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input(data, size);
    MemorySettingsStore store;
    store.refuseEverything = input.byte() == 0xFF;
    fill(input, store);

    const std::string startFolder = "C:\\Start";
    Settings settings;
    RecentFiles history;
    loadSettings(store, startFolder, settings, history);
    if (!settings.usable) return 0;

    MemorySettingsStore saved;
    if (saveSettings(saved, settings, history) != SettingsStore::Status::ok) __builtin_trap();
    return 0;
}
