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

    int index = 0;  // the entry played in a song-list mode

  private:
    std::array<std::string, capacity> paths_{};
    int count_ = 0;
};
