#include "app/SongStepMenu.h"

#include "resources/CommandIds.h"

bool SongStepMenu::handles(int id) const {
    return id == IDM_SONGS_NEXT || id == IDM_SONGS_PREVIOUS;
}

void SongStepMenu::run(int id) {
    if (handles(id)) step(id == IDM_SONGS_NEXT ? +1 : -1);
}

int SongStepMenu::currentEntry() const {
    const SongList& songs = selection_.songs;
    if (selection_.mode != SongSelection::noSongList) return songs.index;
    const std::string loaded = loadedPath_();
    for (int entry = songs.count() - 1; entry >= 0; --entry)
        if (songs.at(entry) == loaded) return entry;
    return songs.count() - 1;
}

void SongStepMenu::step(int direction) {
    // Like the face's transport: beside an effect dialog only its own tries start and stop playback.
    if (host_.effectDialogOpen()) return;
    SongList& songs = selection_.songs;
    if (songs.count() < 2) {
        host_.showMessage("２曲以上で使用します");
        return;
    }
    const bool looping = selection_.mode == SongSelection::loopSongs;
    int entry = currentEntry() + direction;
    if (entry < 0 || entry >= songs.count()) {
        if (!looping) return;
        entry = (entry + songs.count()) % songs.count();
    }
    const bool wasPlaying = player_.playing();
    if (wasPlaying) {
        // Moving on is not the user's stop: repeating and the loop stay as they were.
        const bool playOnce = selection_.playOnce;
        player_.stopPlayback(Player::userStop);
        selection_.playOnce = playOnce;
        if (looping) selection_.mode = SongSelection::loopSongs;
    }
    songs.index = entry;
    if (host_.openSongListEntry() && wasPlaying) host_.startPlayback();
}
