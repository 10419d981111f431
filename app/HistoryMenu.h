#pragma once
#include <string>
#include <vector>

#include "playback/RecentFiles.h"

// One history item of the "ファイル" menu; the items go from menu position 2 on, top to bottom.
struct HistoryMenuItem {
    int id;
    std::string label;  // UTF-8, with "&" doubled so that the menu shows it as it is
};

// "1. name" .. "6. name", newest first. A file lying directly in the folder of MIDI files is named by its
// file name alone, any other by its full path, shortened in the middle to historyLabelLength characters so
// that the menu stays narrower than the screen. The oldest entry shown carries the first history id.
constexpr size_t historyLabelLength = 60;
std::vector<HistoryMenuItem> historyMenuItems(const RecentFiles& history, const std::string& midiFolder);

// What the history commands need from the rest of the window.
class HistoryMenuHost {
  public:
    virtual ~HistoryMenuHost() = default;
    virtual bool playing() const = 0;
    // Opens a file picked from the history, as the dialog's choice would be but without asking; when it
    // loads, the opener calls HistoryMenu::noteOpened.
    virtual void openHistoryFile(const std::string& path) = 0;
    // The entries changed: the window replaces its history items by historyMenuItems().
    virtual void historyItemsChanged() = 0;
};

// The history items (40540-40545) and "履歴ファイルクリア" (40547).
class HistoryMenu {
  public:
    HistoryMenu(RecentFiles& history, HistoryMenuHost& host) : history_(history), host_(host) {}

    bool handles(int id) const;
    void run(int id);
    // "履歴ファイルクリア" is greyed while the history is empty; everything else is always enabled. None of
    // the items carries a check mark.
    bool enabled(int id) const;
    bool checked(int) const { return false; }
    // The end of a successful opening of a file (not a generated song, not in a song-list mode).
    void noteOpened(const std::string& path);

  private:
    RecentFiles& history_;
    HistoryMenuHost& host_;
};
