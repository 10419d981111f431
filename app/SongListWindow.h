#pragma once
#include <functional>
#include <string>
#include <vector>

#include "app/SongListMenu.h"
#include "playback/Player.h"
#include "playback/SongList.h"

// What the "曲目一覧" window shows: a row per song-list entry in the list's order, and the row of the loaded
// song, which its text marks.
struct SongListView {
    std::vector<std::string> rows;
    int marked = -1;  // none
    bool operator==(const SongListView& other) const { return rows == other.rows && marked == other.marked; }
    bool operator!=(const SongListView& other) const { return !(*this == other); }
};

// Where the window is shown. The window is created the first time it opens and then only hidden and shown
// again until the main window goes; it takes its actions back to SongListWindow::act.
class SongListWindowPort {
  public:
    virtual ~SongListWindowPort() = default;
    // Shows the window with |view| in front, the keyboard in its list.
    virtual void openSongListWindow(const SongListView& view) = 0;
    // The window, where it has been opened, shows |view| from now on; its selection stays on its row.
    virtual void showSongList(const SongListView& view) = 0;
};

// "曲目一覧…" of the "選曲" menu: a small window beside the main window listing the song list, which stays
// in step with the list. A double-click (or Enter) plays an entry at once, as "次の曲" would move to it;
// Delete takes an entry out of the list, Alt+Up and Alt+Down move it one place. Taking out or moving never
// touches the song playing, and the loop goes on after the entry it played.
class SongListWindow {
  public:
    enum class Action { none, play, remove, moveUp, moveDown };

    SongListWindow(SongListWindowPort& port, SongSelection& selection, SongListMenuHost& host, Player& player,
                   std::function<std::string()> loadedPath)
        : port_(port),
          selection_(selection),
          host_(host),
          player_(player),
          loadedPath_(std::move(loadedPath)) {}

    bool handles(int id) const;
    void run(int id);
    bool checked(int) const { return false; }

    SongListView view() const;
    // The action on |row|; returns the row to select afterwards (-1: none).
    int act(Action action, int row);
    // The list or the loaded song may have changed elsewhere.
    void refresh() { port_.showSongList(view()); }

  private:
    SongListWindowPort& port_;
    SongSelection& selection_;
    SongListMenuHost& host_;
    Player& player_;
    std::function<std::string()> loadedPath_;
};

// The action of a key pressed in the list (a Windows virtual-key code), with or without Alt held.
SongListWindow::Action songListActionForKey(int key, bool alt);
