#include "app/SettingsSession.h"

#include "tones/SoundModule.h"

void SettingsSession::load(FaceState& face, Skin& skin) {
    loadSettings(store_, port_.currentFolder(), settings_, history_);
    if (!port_.setCurrentFolder(settings_.readDir)) keepStartFolder(settings_);
    face.soundModule = decltype(face.soundModule)(soundModuleFromSetting(settings_.soundModule));
    skin.setBackgroundPath(settings_.backgroundPath);
    showHistory();
    awaitingSave_ = true;
}

void SettingsSession::save(const FaceState& face, const Skin& skin) {
    if (!awaitingSave_) return;
    awaitingSave_ = false;
    settings_.soundModule = int(face.soundModule);
    // A background that could not be read at start-up has fallen back to "Main.bmp", which is kept then.
    settings_.backgroundPath = skin.backgroundPath();
    saveSettings(store_, settings_, history_);
}

void SettingsSession::showHistory() {
    port_.showHistoryItems(historyMenuItems(history_, settings_.readDir));
}
