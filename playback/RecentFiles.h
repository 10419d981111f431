#pragma once
#include <array>
#include <string>
#include <vector>

// The history of the "ファイル" menu: the six files opened last, entry 0 the newest. Kept between runs by the
// settings.
class RecentFiles {
  public:
    static constexpr int capacity = 6;

    int count() const { return count_; }
    // An entry in use (0 <= entry < count()).
    const std::string& at(int entry) const { return paths_[size_t(entry)]; }
    // A slot of the history, empty when not in use (0 <= slot < capacity).
    const std::string& slot(int slot) const { return paths_[size_t(slot)]; }

    // The entries read at start-up, newest first; an empty path ends them and more than six are cut.
    void restore(const std::vector<std::string>& paths);
    void clear();

    // A file has been opened (not a generated song, not in a song-list mode), from the dialog or the
    // history. It moves or goes to the top, unless it is the newest already. Returns whether the entries
    // changed. The path is a copy since it may be one of the entries.
    bool noteOpened(std::string path);

  private:
    void moveToTop(int from, const std::string& path);

    std::array<std::string, capacity> paths_{};
    int count_ = 0;
};
