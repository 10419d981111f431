#include "app/Settings.h"

#include <vector>

namespace {

using Status = SettingsStore::Status;
const char* const emptySlot = "empty";

std::string historyValueName(int slot) {
    return "Mru" + std::to_string(slot + 1);
}

// A store that refuses to be read may hold settings all the same: writing defaults over them at exit would
// lose them.
void noteReadFailure(Status status, Settings& settings) {
    if (status == Status::failed) settings.usable = false;
}

void writeDefault(Status written, Settings& settings) {
    if (written != Status::ok) settings.usable = false;
}

// A folder value: an empty or unreadable one is the start folder; an absent one becomes the start folder in
// the store too.
void loadFolder(SettingsStore& store, const char* name, Settings& settings, std::string& folder) {
    const Status status = store.readString(Settings::folderKey, name, folder);
    noteReadFailure(status, settings);
    if (status == Status::ok && !folder.empty()) return;
    folder = settings.startFolder;
    if (status == Status::absent)
        writeDefault(store.writeString(Settings::folderKey, name, folder), settings);
}

void loadHistory(SettingsStore& store, Settings& settings, RecentFiles& history) {
    std::vector<std::string> paths;
    for (int slot = 0; slot < RecentFiles::capacity; ++slot) {
        std::string path;
        const Status status = store.readString(Settings::historyKey, historyValueName(slot), path);
        noteReadFailure(status, settings);
        if (status != Status::ok || path.empty() || path == emptySlot) break;
        paths.push_back(path);
    }
    history.restore(paths);
}

// The module indexes the tone tables: anything but a number naming one of them is the first.
void loadSoundModule(SettingsStore& store, Settings& settings) {
    uint32_t module = 0;
    const Status status = store.readNumber(Settings::userKey, "Ongen", module);
    noteReadFailure(status, settings);
    settings.soundModule = status == Status::ok && module < Settings::soundModuleCount ? int(module) : 0;
    if (status == Status::absent) writeDefault(store.writeNumber(Settings::userKey, "Ongen", 0), settings);
}

void loadBackground(SettingsStore& store, Settings& settings) {
    std::string path;
    const Status status = store.readString(Settings::userKey, "BackBmp", path);
    noteReadFailure(status, settings);
    settings.backgroundPath = status == Status::ok && !path.empty() ? path : Settings::defaultBackground;
    if (status == Status::absent)
        writeDefault(store.writeString(Settings::userKey, "BackBmp", settings.backgroundPath), settings);
}

// Absent or unreadable: the MIDI mapper.
void loadMidiOut(SettingsStore& store, Settings& settings) {
    const Status status = store.readString(Settings::userKey, "MidiOut", settings.midiOut);
    noteReadFailure(status, settings);
    if (status != Status::ok) settings.midiOut.clear();
}

// Absent until a device is first chosen; nothing is written for it at start-up.
void loadMidiIn(SettingsStore& store, Settings& settings) {
    const Status status = store.readString(Settings::userKey, "MidiIn", settings.midiIn);
    noteReadFailure(status, settings);
    if (status != Status::ok) settings.midiIn.clear();
}

}  // namespace

void loadSettings(SettingsStore& store, const std::string& startFolder, Settings& settings,
                  RecentFiles& history) {
    settings = Settings{};
    settings.startFolder = startFolder;
    loadFolder(store, "ReadDir", settings, settings.readDir);
    loadFolder(store, "SaveDir", settings, settings.saveDir);
    loadFolder(store, "TexDir", settings, settings.texDir);
    loadHistory(store, settings, history);
    loadSoundModule(store, settings);
    loadBackground(store, settings);
    loadMidiOut(store, settings);
    loadMidiIn(store, settings);
}

void keepStartFolder(Settings& settings) {
    settings.readDir = settings.startFolder;
}

SettingsStore::Status saveSettings(SettingsStore& store, const Settings& settings,
                                   const RecentFiles& history) {
    if (!settings.usable) return Status::ok;
    struct Text {
        const char* key;
        std::string name;
        std::string value;
    };
    std::vector<Text> texts = {{Settings::folderKey, "ReadDir", settings.readDir},
                               {Settings::folderKey, "SaveDir", settings.saveDir},
                               {Settings::folderKey, "TexDir", settings.texDir}};
    for (int slot = 0; slot < RecentFiles::capacity; ++slot) {
        const std::string& path = history.slot(slot);
        texts.push_back({Settings::historyKey, historyValueName(slot), path.empty() ? emptySlot : path});
    }
    for (const Text& text : texts)
        if (const Status status = store.writeString(text.key, text.name, text.value); status != Status::ok)
            return status;
    if (const Status status = store.writeNumber(Settings::userKey, "Ongen", uint32_t(settings.soundModule));
        status != Status::ok)
        return status;
    if (const Status status = store.writeString(Settings::userKey, "BackBmp", settings.backgroundPath);
        status != Status::ok)
        return status;
    if (const Status status = store.writeString(Settings::userKey, "MidiOut", settings.midiOut);
        status != Status::ok)
        return status;
    return store.writeString(Settings::userKey, "MidiIn", settings.midiIn);
}
