#include "playback/SongList.h"

#include <algorithm>
#include <utility>

void SongList::append(const std::string& path) {
    if (count_ > capacity - 1) {
        for (int i = 0; i < capacity - 1; ++i) paths_[size_t(i)] = paths_[size_t(i) + 1];
        count_ = capacity - 1;
    }
    paths_[size_t(count_++)] = path;
}

bool SongList::contains(const std::string& path) const {
    return std::find(paths_.begin(), paths_.begin() + count_, path) != paths_.begin() + count_;
}

void SongList::clear() {
    paths_.fill({});
    count_ = 0;
    index = 0;
}

void SongList::moveToNextEntry(int direction) {
    if (count_ == 0) return;
    index = ((index + direction) % count_ + count_) % count_;
}

void SongList::remove(int entry) {
    if (entry < 0 || entry >= count_) return;
    for (int i = entry; i + 1 < count_; ++i) paths_[size_t(i)] = std::move(paths_[size_t(i) + 1]);
    paths_[size_t(--count_)].clear();
    if (index > entry || (index == entry && entry > 0))
        --index;
    else if (index == entry)
        index = count_ > 0 ? count_ - 1 : 0;
}

void SongList::swap(int first, int second) {
    if (first < 0 || second < 0 || first >= count_ || second >= count_) return;
    std::swap(paths_[size_t(first)], paths_[size_t(second)]);
    if (index == first)
        index = second;
    else if (index == second)
        index = first;
}

int loadedEntry(const SongSelection& selection, const std::string& loadedPath) {
    const SongList& songs = selection.songs;
    if (songs.index >= 0 && songs.index < songs.count() && songs.at(songs.index) == loadedPath)
        return songs.index;
    if (selection.mode != SongSelection::noSongList) return -1;
    for (int entry = songs.count() - 1; entry >= 0; --entry)
        if (songs.at(entry) == loadedPath) return entry;
    return -1;
}
