#include "app/SongListWindow.h"

#include "app/HotKeys.h"
#include "app/Messages.h"
#include "app/SongStepMenu.h"
#include "platform/Paths.h"
#include "resources/CommandIds.h"

namespace {

// The file's name; the whole path where it ends in a folder separator.
std::string shownName(const std::string& path) {
    const std::string name = fileNameOf(path);
    return name.empty() ? path : name;
}
}  // namespace

bool SongListWindow::handles(int id) const {
    return id == IDM_SONGS_WINDOW;
}

void SongListWindow::run(int id) {
    if (handles(id)) port_.openSongListWindow(view());
}

SongListView SongListWindow::view() const {
    SongListView view;
    const SongList& songs = selection_.songs;
    view.marked = loadedEntry(selection_, loadedPath_());
    for (int entry = 0; entry < songs.count(); ++entry)
        view.rows.push_back(std::string(entry == view.marked ? playingEntryMark : otherEntryMark) + " " +
                            std::to_string(entry + 1) + ". " + shownName(songs.at(entry)));
    return view;
}

int SongListWindow::act(Action action, int row) {
    SongList& songs = selection_.songs;
    if (row < 0 || row >= songs.count()) return songs.count() > 0 ? 0 : -1;
    switch (action) {
        case Action::play:
            // Like the other song-list commands: beside an effect dialog only its own tries play.
            if (!host_.effectDialogOpen()) switchToEntry(selection_, host_, player_, row, +1, true);
            return row;
        case Action::remove:
            songs.remove(row);
            return row < songs.count() ? row : songs.count() - 1;
        case Action::moveUp:
        case Action::moveDown: {
            const int target = row + (action == Action::moveUp ? -1 : +1);
            if (target < 0 || target >= songs.count()) return row;
            songs.swap(row, target);
            return target;
        }
        default:
            return row;
    }
}

SongListWindow::Action songListActionForKey(int key, bool alt) {
    if (alt)
        return key == virtualKey::up     ? SongListWindow::Action::moveUp
               : key == virtualKey::down ? SongListWindow::Action::moveDown
                                         : SongListWindow::Action::none;
    if (key == virtualKey::deleteKey) return SongListWindow::Action::remove;
    return key == virtualKey::enter ? SongListWindow::Action::play : SongListWindow::Action::none;
}
