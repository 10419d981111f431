#pragma once
#include <string>

#include "app/Window.h"
#include "playback/SongList.h"

// What the "選曲" menu and "一度だけ" need from the rest of the window besides its messages.
class SongListMenuHost {
  public:
    virtual ~SongListMenuHost() = default;
    virtual bool playing() const = 0;
    // A modeless effect dialog is open: only its own try button may start playback then.
    virtual bool effectDialogOpen() const = 0;
    // Opens the song-list entry at the list's index, or, passing over those that leave nothing to play, the
    // first after it (direction +1) or before it (-1); the host tells the user when a file cannot be read.
    // Returns whether a song is loaded afterwards: that entry, or, when it could not be read, the song loaded
    // before it, which then plays instead.
    virtual bool openSongListEntry(int direction) = 0;
    virtual void startPlayback() = 0;
};

// The commands of the "選曲" menu ("最初の曲", "最後の曲", "循環再生", "初期化") and "一度だけ" of "設定",
// with their check marks.
class SongListMenu {
  public:
    SongListMenu(SongSelection& selection, SongListMenuHost& host, Window& window)
        : selection_(selection), host_(host), window_(window) {}

    bool handles(int id) const;
    void run(int id);
    bool checked(int id) const;

  private:
    // The checks shared by the three commands that start song-list play; false after telling the user why
    // not.
    bool maySongListPlay();
    // direction: where to look on from an entry that cannot play.
    void playFrom(int mode, int index, int direction);
    void clearList();
    void togglePlayOnce();

    SongSelection& selection_;
    SongListMenuHost& host_;
    Window& window_;
};
