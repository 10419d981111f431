#pragma once
#include "app/FaceState.h"
#include "app/Settings.h"
#include "app/Skin.h"
#include "app/Window.h"
#include "playback/RecentFiles.h"

// The settings over one run of the window: read from the store at start-up into the window's state, held
// while it runs, and written back when it is destroyed. The history, the song list, the folders the user
// chose and the "歌詞" window's place are also written as soon as they change, so that a crash does not lose
// them.
class SettingsSession {
  public:
    SettingsSession(SettingsStore& store, Files& files, Window& window)
        : store_(store), files_(files), window_(window) {}

    // Start-up: the folder of MIDI files becomes the current folder (the start folder stays when it cannot),
    // the history items are built, and the face gets its sound module and the file of its picture.
    void load(FaceState& face, Skin& skin);
    // Destruction: the sound module and the face's file as they are now, with the folders and the history.
    // Nothing is written when the start ended before the settings were read, nor a second time.
    void save(const FaceState& face, const Skin& skin);
    // The history changed: its menu items are rebuilt and it is kept.
    void historyChanged();
    // The folders the open dialogs start in ("ReadDir", "TexDir"); a folder chosen there is kept.
    const std::string& songFolder() const { return settings_.readDir; }
    void keepSongFolder(const std::string& folder);
    const std::string& pictureFolder() const { return settings_.texDir; }
    void keepPictureFolder(const std::string& folder);
    // The song list as it is now, kept when it differs from what was kept.
    void keepSongList(std::vector<std::string> paths);
    // The "歌詞" window's place, kept when it differs from what was kept.
    void keepLyricsWindow(const WindowPlace& place);

    Settings& settings() { return settings_; }
    bool usable() const { return settings_.usable; }
    RecentFiles& history() { return history_; }

  private:
    void showHistory();

    SettingsStore& store_;
    Files& files_;
    Window& window_;
    Settings settings_;
    RecentFiles history_;
    bool awaitingSave_ = false;
};
