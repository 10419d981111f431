#include "playback/SongList.h"

void SongList::append(const std::string& path) {
    if (count_ > capacity - 1) {
        for (int i = 0; i < capacity - 1; ++i) paths_[size_t(i)] = paths_[size_t(i) + 1];
        count_ = capacity - 1;
    }
    paths_[size_t(count_++)] = path;
}

void SongList::clear() {
    paths_.fill({});
    count_ = 0;
    index = 0;
}

void SongList::moveToNextEntry() {
    if (count_ == 0) return;
    index = index + 1 < count_ ? index + 1 : 0;
}
