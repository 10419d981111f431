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
    bool contains(const std::string& path) const;

    // The entry after the one played (direction +1), the first one after the last; or the one before it
    // (-1), the last one before the first.
    void moveToNextEntry(int direction);
    // Takes an entry out. The index keeps to its entry; when that entry is the one taken out, it moves to
    // the one before (the last for the first), so that the entry after it still comes next.
    void remove(int entry);
    // Exchanges two entries; the index goes with its entry.
    void swap(int first, int second);

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

// The entry whose song is loaded, given the loaded song's path (empty when none, and no entry is empty): the
// list's index where it names that path, else, outside song-list play, the path's last place in the list;
// -1 when none.
int loadedEntry(const SongSelection& selection, const std::string& loadedPath);
