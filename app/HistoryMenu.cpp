#include "app/HistoryMenu.h"

#include "platform/Paths.h"
#include "resources/CommandIds.h"

namespace {

std::string displayName(const std::string& path, const std::string& midiFolder) {
    return folderOf(path) == midiFolder ? fileNameOf(path) : path;
}

size_t characterCount(const std::string& text) {
    size_t count = 0;
    for (unsigned char c : text)
        if ((c & 0xC0) != 0x80) ++count;
    return count;
}

// The byte offset of the character |characters| characters before the end (UTF-8).
size_t startOfLast(const std::string& text, size_t characters) {
    size_t start = text.size();
    while (characters > 0 && start > 0) {
        --start;
        if ((static_cast<unsigned char>(text[start]) & 0xC0) != 0x80) --characters;
    }
    return start;
}

// A long path loses its middle, as the history lists of Windows programs show it: the drive (or server),
// "...", and as many of the last folders as fit, the file name always; a name too long on its own keeps its
// two ends.
std::string shortened(const std::string& name) {
    if (characterCount(name) <= historyLabelLength) return name;
    const std::string dots = "...";
    const size_t rootEnd = name.find('\\', name.find_first_not_of('\\'));
    if (rootEnd != std::string::npos) {
        const std::string root = name.substr(0, rootEnd + 1) + dots;
        for (size_t separator = name.find('\\', rootEnd + 1); separator != std::string::npos;
             separator = name.find('\\', separator + 1)) {
            const std::string label = root + name.substr(separator);
            if (characterCount(label) <= historyLabelLength) return label;
        }
    }
    const size_t kept = (historyLabelLength - dots.size()) / 2;
    return name.substr(0, startOfLast(name, characterCount(name) - kept)) + dots +
           name.substr(startOfLast(name, kept));
}

std::string withAmpersandsDoubled(const std::string& text) {
    std::string doubled;
    for (char c : text) {
        if (c == '&') doubled += '&';
        doubled += c;
    }
    return doubled;
}

}  // namespace

std::vector<HistoryMenuItem> historyMenuItems(const RecentFiles& history, const std::string& midiFolder) {
    std::vector<HistoryMenuItem> items;
    const int count = history.count();
    for (int entry = 0; entry < count; ++entry) {
        const std::string label =
            std::to_string(entry + 1) + ". " + shortened(displayName(history.at(entry), midiFolder));
        items.push_back({IDM_HISTORY_FIRST + count - 1 - entry, withAmpersandsDoubled(label)});
    }
    return items;
}

bool HistoryMenu::handles(int id) const {
    return (id >= IDM_HISTORY_FIRST && id <= IDM_HISTORY_LAST) || id == IDM_HISTORY_CLEAR;
}

void HistoryMenu::run(int id) {
    if (id == IDM_HISTORY_CLEAR) {
        history_.clear();
        host_.historyItemsChanged();
        return;
    }
    if (host_.playing()) return;
    const int entry = history_.count() - 1 - (id - IDM_HISTORY_FIRST);
    if (entry < 0 || entry >= history_.count()) return;
    host_.openHistoryFile(history_.at(entry));
}

bool HistoryMenu::enabled(int id) const {
    return id != IDM_HISTORY_CLEAR || history_.count() != 0;
}

void HistoryMenu::noteOpened(const std::string& path) {
    if (history_.noteOpened(path)) host_.historyItemsChanged();
}
