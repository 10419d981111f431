#include "app/SongListMenu.h"

#include "app/Messages.h"
#include "resources/CommandIds.h"

bool SongListMenu::handles(int id) const {
    switch (id) {
        case IDM_SONGS_FIRST:
        case IDM_SONGS_LAST:
        case IDM_SONGS_LOOP:
        case IDM_SONGS_CLEAR:
        case IDM_PLAY_ONCE:
            return true;
        default:
            return false;
    }
}

void SongListMenu::run(int id) {
    SongList& songs = selection_.songs;
    switch (id) {
        case IDM_SONGS_FIRST:
            if (maySongListPlay()) playFrom(SongSelection::firstSong, 0, +1);
            break;
        case IDM_SONGS_LAST:
            if (maySongListPlay()) playFrom(SongSelection::lastSong, songs.count() - 1, -1);
            break;
        case IDM_SONGS_LOOP:
            if (!maySongListPlay()) break;
            if (!selection_.playOnce) {
                // A repeating song would never end, so the loop would never move on.
                window_.showMessage(playOnceNeededText);
                break;
            }
            playFrom(SongSelection::loopSongs, 0, +1);
            break;
        case IDM_SONGS_CLEAR:
            clearList();
            break;
        case IDM_PLAY_ONCE:
            togglePlayOnce();
            break;
        default:
            break;
    }
}

bool SongListMenu::checked(int id) const {
    switch (id) {
        case IDM_SONGS_FIRST:
            return selection_.mode == SongSelection::firstSong;
        case IDM_SONGS_LAST:
            return selection_.mode == SongSelection::lastSong;
        case IDM_SONGS_LOOP:
            return selection_.mode == SongSelection::loopSongs;
        case IDM_PLAY_ONCE:
            return selection_.playOnce;
        default:
            return false;
    }
}

bool SongListMenu::maySongListPlay() {
    if (host_.effectDialogOpen()) return false;
    if (host_.playing()) {
        window_.showMessage(whilePlayingText);
        return false;
    }
    if (selection_.songs.count() < 2) {
        window_.showMessage(needsTwoSongsText);
        return false;
    }
    if (selection_.mode == SongSelection::loopSongs) {
        window_.showMessage(whileLoopingText);
        return false;
    }
    return true;
}

void SongListMenu::playFrom(int mode, int index, int direction) {
    selection_.mode = mode;
    selection_.songs.index = index;
    if (host_.openSongListEntry(direction)) host_.startPlayback();
    // A mode left set without playback would never end: no song would finish and no stop could be made,
    // while the other commands refuse during loop play.
    if (!host_.playing()) selection_.mode = SongSelection::noSongList;
}

void SongListMenu::clearList() {
    // Like the other song-list commands: while an effect dialog is open, only its own controls act.
    if (host_.effectDialogOpen()) return;
    if (host_.playing()) {
        window_.showMessage(whilePlayingText);
        return;
    }
    if (selection_.mode == SongSelection::loopSongs) {
        window_.showMessage(whileLoopingText);
        return;
    }
    selection_.songs.clear();
    selection_.mode = SongSelection::noSongList;
    window_.showInformation(songListClearedText);
}

void SongListMenu::togglePlayOnce() {
    // Repeating decides whether playback starts again, which is refused while an effect dialog is open.
    if (host_.effectDialogOpen()) return;
    if (selection_.mode == SongSelection::loopSongs) {
        window_.showMessage(whileLoopingText);
        return;
    }
    selection_.playOnce = !selection_.playOnce;
}
