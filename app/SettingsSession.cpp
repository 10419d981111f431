#include "app/SettingsSession.h"

#include "tones/SoundModule.h"

void SettingsSession::load(FaceState& face, Skin& skin) {
    settings_ = loadSettings(store_, files_.currentFolder(), history_);
    if (!files_.setCurrentFolder(settings_.readDir)) keepStartFolder(settings_);
    face.soundModule = decltype(face.soundModule)(soundModuleFromSetting(settings_.soundModule));
    skin.setBackgroundPath(settings_.backgroundPath);
    showHistory();
    awaitingSave_ = true;
}

void SettingsSession::save(const FaceState& face, const Skin& skin) {
    if (!awaitingSave_) return;
    awaitingSave_ = false;
    settings_.soundModule = int(face.soundModule);
    settings_.backgroundPath = skin.backgroundPath();
    saveSettings(store_, settings_, history_);
}

void SettingsSession::historyChanged() {
    showHistory();
    saveHistory(store_, settings_, history_);
}

void SettingsSession::keepSongFolder(const std::string& folder) {
    if (folder.empty() || folder == settings_.readDir) return;
    settings_.readDir = folder;
    saveFolders(store_, settings_);
    showHistory();  // a file lying in the folder of MIDI files is named by its name alone
}

void SettingsSession::keepPictureFolder(const std::string& folder) {
    if (folder.empty() || folder == settings_.texDir) return;
    settings_.texDir = folder;
    saveFolders(store_, settings_);
}

void SettingsSession::keepSongList(std::vector<std::string> paths) {
    if (paths == settings_.songList) return;
    settings_.songList = std::move(paths);
    saveSongList(store_, settings_);
}

void SettingsSession::keepLyricsWindow(const WindowPlace& place) {
    if (settings_.lyricsWindow == place) return;
    settings_.lyricsWindow = place;
    saveLyricsWindow(store_, settings_);
}

void SettingsSession::showHistory() {
    window_.showHistoryItems(historyMenuItems(history_, settings_.readDir));
}
