#pragma once
#include <functional>
#include <string>

#include "app/SongListMenu.h"
#include "playback/Player.h"

// "次の曲" and "前の曲" of the "選曲" menu (also Ctrl+PageDown, Ctrl+PageUp): the song-list entry after or
// before the one playing, in the list's order. In loop play ("循環再生") they wrap round and the loop goes
// on from there; otherwise there is nothing after the last entry or before the first. Outside a song-list
// mode the entry playing is the loaded song's (its last place in the list), or the last one picked. An
// entry that leaves nothing to play is passed over in the step's direction. A song that was playing goes on
// playing with the new entry; a stopped one stays stopped.
class SongStepMenu {
  public:
    SongStepMenu(SongSelection& selection, SongListMenuHost& host, Window& window, Player& player,
                 std::function<std::string()> loadedPath)
        : selection_(selection),
          host_(host),
          window_(window),
          player_(player),
          loadedPath_(std::move(loadedPath)) {}

    bool handles(int id) const;
    void run(int id);
    bool checked(int) const { return false; }

  private:
    int currentEntry() const;
    void step(int direction);

    SongSelection& selection_;
    SongListMenuHost& host_;
    Window& window_;
    Player& player_;
    std::function<std::string()> loadedPath_;
};

// Opens song-list entry |entry| in place of the loaded song, or, when it leaves nothing to play, the first
// after it (direction +1) or before it (-1) that does. A song that was playing stops without ending
// repeating or the loop, and the entry plays on in its place; a stopped one plays only when |play|.
void switchToEntry(SongSelection& selection, SongListMenuHost& host, Player& player, int entry, int direction,
                   bool play);
