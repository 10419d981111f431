#include "app/DroppedFiles.h"

#include "platform/AsciiCase.h"
#include "platform/Paths.h"

bool isMidiFileName(const std::string& path) {
    const std::string extension = lowerAscii(extensionOf(path));
    return extension == "mid" || extension == "midi" || extension == "kar";
}

DroppedFiles sortDroppedFiles(const std::vector<std::string>& paths, bool playing) {
    DroppedFiles drop;
    if (playing || paths.empty()) return drop;
    drop.opened = paths.front();
    for (size_t i = 1; i < paths.size(); ++i)
        if (isMidiFileName(paths[i])) drop.joining.push_back(paths[i]);
    return drop;
}
