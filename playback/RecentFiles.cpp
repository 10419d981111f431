#include "playback/RecentFiles.h"

void RecentFiles::restore(const std::vector<std::string>& paths) {
    clear();
    for (const std::string& path : paths) {
        if (path.empty() || count_ == capacity) break;
        paths_[size_t(count_++)] = path;
    }
}

void RecentFiles::clear() {
    paths_.fill({});
    count_ = 0;
}

void RecentFiles::moveToTop(int from, const std::string& path) {
    for (int entry = from; entry > 0; --entry) paths_[size_t(entry)] = paths_[size_t(entry) - 1];
    paths_[0] = path;
}

bool RecentFiles::noteOpened(std::string path) {
    for (int entry = 0; entry < capacity; ++entry) {
        if (paths_[size_t(entry)] != path) continue;
        if (entry == 0) return false;
        moveToTop(entry, path);
        return true;
    }
    moveToTop(capacity - 1, path);
    if (count_ < capacity) ++count_;
    return true;
}
