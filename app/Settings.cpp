#include "app/Settings.h"

#include "playback/SongList.h"

namespace {
constexpr char songListSeparator = '|';
// The longest path Windows takes (32767 UTF-16 units), each unit up to three bytes of UTF-8.
constexpr size_t longestPath = 32767 * 3;

bool mayBePath(const std::string& piece) {
    if (piece.empty() || piece.size() > longestPath) return false;
    for (char c : piece)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return false;
    return true;
}

using Status = SettingsStore::Status;
const char* const emptySlot = "empty";

// The value names, for reading and writing alike.
struct FolderValue {
    const char* name;
    std::string Settings::*folder;
};
const FolderValue folderValues[] = {
    {"ReadDir", &Settings::readDir}, {"SaveDir", &Settings::saveDir}, {"TexDir", &Settings::texDir}};
const char* const soundModuleName = "Ongen";
const char* const backgroundName = "BackBmp";
const char* const midiInName = "MidiIn";
const char* const midiOutName = "MidiOut";
const char* const songListName = "SongList";
const char* const lyricsWindowName = "LyricsWindow";

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
void loadFolder(SettingsStore& store, const FolderValue& value, Settings& settings) {
    std::string& folder = settings.*value.folder;
    const Status status = store.readString(Settings::folderKey, value.name, folder);
    noteReadFailure(status, settings);
    if (status == Status::ok && !folder.empty()) return;
    folder = settings.startFolder;
    if (status == Status::absent)
        writeDefault(store.writeString(Settings::folderKey, value.name, folder), settings);
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
    const Status status = store.readNumber(Settings::userKey, soundModuleName, module);
    noteReadFailure(status, settings);
    settings.soundModule = status == Status::ok && module < Settings::soundModuleCount ? int(module) : 0;
    if (status == Status::absent)
        writeDefault(store.writeNumber(Settings::userKey, soundModuleName, 0), settings);
}

void loadBackground(SettingsStore& store, Settings& settings) {
    std::string path;
    const Status status = store.readString(Settings::userKey, backgroundName, path);
    noteReadFailure(status, settings);
    settings.backgroundPath = status == Status::ok && !path.empty() ? path : Settings::defaultBackground;
    if (status == Status::absent)
        writeDefault(store.writeString(Settings::userKey, backgroundName, settings.backgroundPath), settings);
}

// Absent or unreadable: the MIDI mapper.
void loadMidiOut(SettingsStore& store, Settings& settings) {
    const Status status = store.readString(Settings::userKey, midiOutName, settings.midiOut);
    noteReadFailure(status, settings);
    if (status != Status::ok) settings.midiOut.clear();
}

// Absent until a device is first chosen; nothing is written for it at start-up.
void loadMidiIn(SettingsStore& store, Settings& settings) {
    const Status status = store.readString(Settings::userKey, midiInName, settings.midiIn);
    noteReadFailure(status, settings);
    if (status != Status::ok) settings.midiIn.clear();
}

// Absent until the program first ends; what cannot be read is an empty list.
void loadSongList(SettingsStore& store, Settings& settings) {
    std::string stored;
    const Status status = store.readString(Settings::userKey, songListName, stored);
    noteReadFailure(status, settings);
    if (status == Status::ok) settings.songList = parseStoredSongList(stored);
}

// Absent until the window first shows; what cannot be a place is none, the window's own default.
void loadLyricsWindow(SettingsStore& store, Settings& settings) {
    std::string stored;
    const Status status = store.readString(Settings::userKey, lyricsWindowName, stored);
    noteReadFailure(status, settings);
    if (status == Status::ok) settings.lyricsWindow = parseStoredWindowPlace(stored);
}

}  // namespace

Settings loadSettings(SettingsStore& store, const std::string& startFolder, RecentFiles& history) {
    Settings settings;
    settings.startFolder = startFolder;
    for (const FolderValue& value : folderValues) loadFolder(store, value, settings);
    loadHistory(store, settings, history);
    loadSoundModule(store, settings);
    loadBackground(store, settings);
    loadMidiOut(store, settings);
    loadMidiIn(store, settings);
    loadSongList(store, settings);
    loadLyricsWindow(store, settings);
    return settings;
}

void keepStartFolder(Settings& settings) {
    settings.readDir = settings.startFolder;
}

SettingsStore::Status saveFolders(SettingsStore& store, const Settings& settings) {
    if (!settings.usable) return Status::ok;
    for (const FolderValue& value : folderValues)
        if (const Status status = store.writeString(Settings::folderKey, value.name, settings.*value.folder);
            status != Status::ok)
            return status;
    return Status::ok;
}

SettingsStore::Status saveHistory(SettingsStore& store, const Settings& settings,
                                  const RecentFiles& history) {
    if (!settings.usable) return Status::ok;
    for (int slot = 0; slot < RecentFiles::capacity; ++slot) {
        const std::string& path = history.slot(slot);
        if (const Status status = store.writeString(Settings::historyKey, historyValueName(slot),
                                                    path.empty() ? emptySlot : path);
            status != Status::ok)
            return status;
    }
    return Status::ok;
}

SettingsStore::Status saveSettings(SettingsStore& store, const Settings& settings,
                                   const RecentFiles& history) {
    if (!settings.usable) return Status::ok;
    if (const Status status = saveFolders(store, settings); status != Status::ok) return status;
    if (const Status status = saveHistory(store, settings, history); status != Status::ok) return status;
    if (const Status status =
            store.writeNumber(Settings::userKey, soundModuleName, uint32_t(settings.soundModule));
        status != Status::ok)
        return status;
    if (const Status status = store.writeString(Settings::userKey, backgroundName, settings.backgroundPath);
        status != Status::ok)
        return status;
    if (const Status status = store.writeString(Settings::userKey, midiOutName, settings.midiOut);
        status != Status::ok)
        return status;
    if (const Status status = store.writeString(Settings::userKey, midiInName, settings.midiIn);
        status != Status::ok)
        return status;
    if (const Status status = saveSongList(store, settings); status != Status::ok) return status;
    return saveLyricsWindow(store, settings);
}

SettingsStore::Status saveSongList(SettingsStore& store, const Settings& settings) {
    if (!settings.usable) return Status::ok;
    return store.writeString(Settings::userKey, songListName, songListStoredForm(settings.songList));
}

SettingsStore::Status saveLyricsWindow(SettingsStore& store, const Settings& settings) {
    if (!settings.usable || !settings.lyricsWindow) return Status::ok;
    return store.writeString(Settings::userKey, lyricsWindowName,
                             windowPlaceStoredForm(*settings.lyricsWindow));
}

std::string songListStoredForm(const std::vector<std::string>& paths) {
    std::string stored;
    for (const std::string& path : paths) stored += path + songListSeparator;
    return stored;
}

std::vector<std::string> parseStoredSongList(const std::string& stored) {
    std::vector<std::string> paths;
    for (size_t start = 0; start < stored.size();) {
        size_t end = stored.find(songListSeparator, start);
        if (end == std::string::npos) end = stored.size();
        // A piece too long to be a path is passed over without being copied.
        if (end - start <= longestPath) {
            std::string piece = stored.substr(start, end - start);
            if (mayBePath(piece)) paths.push_back(std::move(piece));
        }
        // Only the last paths stay: a value of countless pieces is not all held at once.
        if (paths.size() >= 2 * size_t(SongList::capacity))
            paths.erase(paths.begin(), paths.end() - SongList::capacity);
        start = end + 1;
    }
    if (paths.size() > size_t(SongList::capacity))
        paths.erase(paths.begin(), paths.end() - SongList::capacity);
    return paths;
}
