#include "app/DroppedFiles.h"

namespace {
bool endsWithIgnoringCase(const std::string& text, const std::string& lowerSuffix) {
    if (text.size() < lowerSuffix.size()) return false;
    const size_t start = text.size() - lowerSuffix.size();
    for (size_t i = 0; i < lowerSuffix.size(); ++i) {
        char c = text[start + i];
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
        if (c != lowerSuffix[i]) return false;
    }
    return true;
}
}  // namespace

bool isMidiFileName(const std::string& path) {
    return endsWithIgnoringCase(path, ".mid") || endsWithIgnoringCase(path, ".midi") ||
           endsWithIgnoringCase(path, ".kar");
}

DroppedFiles sortDroppedFiles(const std::vector<std::string>& paths, bool playing) {
    DroppedFiles drop;
    if (playing || paths.empty()) return drop;
    drop.opened = paths.front();
    for (size_t i = 1; i < paths.size(); ++i)
        if (isMidiFileName(paths[i])) drop.joining.push_back(paths[i]);
    return drop;
}
