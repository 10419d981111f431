#pragma once
#include "app/LyricsView.h"
#include "playback/Player.h"

// Where the "歌詞" window is shown. The window is made the first time it shows, then only hidden (its close
// box, Esc) and shown again until the main window goes.
class LyricsWindowPort {
  public:
    virtual ~LyricsWindowPort() = default;
    virtual void showLyricsWindow(bool shown) = 0;
    virtual bool lyricsWindowShown() const = 0;
    // What the window shows from now on, whether it is shown or not.
    virtual void showLyrics(const LyricMoment& moment) = 0;
};

// "歌詞…" of the "設定" menu: a small window beside the main window with the song's words as they are sung.
// The command shows the window, or hides it where it is shown. Window thread only.
class LyricsWindow {
  public:
    LyricsWindow(LyricsWindowPort& port, const Player& player, LyricRing& ring)
        : port_(port), player_(player), ring_(ring) {}

    bool handles(int id) const;
    void run(int id);
    bool checked(int id) const { return handles(id) && port_.lyricsWindowShown(); }

    // A song loaded, or playback stopped: the song's start.
    void reset();
    // The window's tick: the words sung since the last.
    void tick();

  private:
    LyricsWindowPort& port_;
    const Player& player_;
    LyricRing& ring_;
    LyricsView view_;
};
