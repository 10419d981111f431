#include "app/SongStepMenu.h"

#include "app/Messages.h"
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
    const int loaded = loadedEntry(selection_, loadedPath_());
    return loaded >= 0 ? loaded : songs.count() - 1;
}

void SongStepMenu::step(int direction) {
    // Like the face's transport: beside an effect dialog only its own tries start and stop playback.
    if (host_.effectDialogOpen()) return;
    SongList& songs = selection_.songs;
    if (songs.count() < 2) {
        window_.showMessage(needsTwoSongsText);
        return;
    }
    const bool looping = selection_.mode == SongSelection::loopSongs;
    int entry = currentEntry() + direction;
    if (entry < 0 || entry >= songs.count()) {
        if (!looping) return;
        entry = (entry + songs.count()) % songs.count();
    }
    switchToEntry(selection_, host_, player_, entry, direction, false);
}

void switchToEntry(SongSelection& selection, SongListMenuHost& host, Player& player, int entry, int direction,
                   bool play) {
    const bool wasPlaying = player.playing();
    if (wasPlaying) {
        // Moving on is not the user's stop: repeating and the loop stay as they were.
        const bool playOnce = selection.playOnce;
        const bool looping = selection.mode == SongSelection::loopSongs;
        player.stopPlayback(Player::userStop);
        selection.playOnce = playOnce;
        if (looping) selection.mode = SongSelection::loopSongs;
    }
    selection.songs.index = entry;
    if (host.openSongListEntry(direction) && (wasPlaying || play)) host.startPlayback();
}
