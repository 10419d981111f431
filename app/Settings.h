#pragma once
#include <string>
#include <vector>

#include "app/SettingsStore.h"
#include "app/WindowPlace.h"
#include "playback/RecentFiles.h"

// The settings kept between runs, as the program holds them while it runs.
struct Settings {
    static constexpr const char* rootKey = "Software\\Velmira";
    static constexpr const char* folderKey = "Software\\Velmira\\Dir";
    static constexpr const char* historyKey = "Software\\Velmira\\Mru";
    static constexpr const char* userKey = "Software\\Velmira\\User";
    static constexpr const char* defaultBackground = "Main.bmp";
    static constexpr int soundModuleCount = 3;  // SC-88, SC-55, SB16

    std::string startFolder;  // the current folder when the program started
    std::string readDir;      // MIDI files; made the current folder at start-up
    std::string saveDir;
    std::string texDir;  // pictures
    int soundModule = 0;
    std::string backgroundPath = defaultBackground;
    std::string midiOut;                // the output device's name; empty for the MIDI mapper
    std::string midiIn;                 // the name of the MIDI input device chosen; empty: none
    std::vector<std::string> songList;  // the song list ("選曲"), oldest first
    // The "歌詞" window as it last stood ("LyricsWindow" of the "User" key); none until it first shows, or
    // where the value cannot be a place.
    std::optional<WindowPlace> lyricsWindow;
    // Whether the settings are written back at exit: not after the store refused to be read, nor after the
    // settings were deleted.
    bool usable = true;
};

// Start-up. Every value that cannot be used takes its default and the rest is read all the same; a value
// that is absent has its default written at once. The history ends at its first missing or "empty" entry.
// Afterwards the window makes readDir the current folder, and calls keepStartFolder when it cannot.
Settings loadSettings(SettingsStore& store, const std::string& startFolder, RecentFiles& history);
void keepStartFolder(Settings& settings);

// Window destruction: everything is written back (unused history slots as "empty") unless the settings are
// not usable. The first failing write abandons the rest.
SettingsStore::Status saveSettings(SettingsStore& store, const Settings& settings,
                                   const RecentFiles& history);
// The folders, the history and the song list as saveSettings writes them, for keeping each as soon as it
// changes.
SettingsStore::Status saveFolders(SettingsStore& store, const Settings& settings);
SettingsStore::Status saveHistory(SettingsStore& store, const Settings& settings, const RecentFiles& history);
SettingsStore::Status saveSongList(SettingsStore& store, const Settings& settings);
SettingsStore::Status saveLyricsWindow(SettingsStore& store, const Settings& settings);

// The song list as the settings keep it ("SongList" of the "User" key): the paths, oldest first, each
// followed by "|", which no Windows path holds. Reading passes over what no path can be (empty pieces,
// control characters, more than a path's length) and keeps the last SongList::capacity paths.
std::string songListStoredForm(const std::vector<std::string>& paths);
std::vector<std::string> parseStoredSongList(const std::string& stored);
