#pragma once
#include <array>
#include <string>

// Every song file picked in the open dialog during this run, oldest first, at most 50 (duplicates allowed).
class SongList {
  public:
    static constexpr int capacity = 50;

    // Appends a path; when the list is full the oldest entry is dropped.
    void append(const std::string& path);
    void clear();
    int count() const { return count_; }
    const std::string& at(int index) const { return paths_[size_t(index)]; }

    // Loop play at the end of a song: the entry after the one played, the first one after the last.
    void moveToNextEntry();

    int index = 0;  // the entry played in a song-list mode

  private:
    std::array<std::string, capacity> paths_{};
    int count_ = 0;
};

// How one song follows another: the song list with its mode (the "選曲" menu) and "一度だけ". The player's
// end-of-song decisions read and end the mode; the menu sets it.
struct SongSelection {
    enum Mode { noSongList = 0, lastSong = 1, firstSong = 2, loopSongs = 3 };

    SongList songs;
    int mode = noSongList;
    bool playOnce = true;  // false: a song that ends starts again
};
