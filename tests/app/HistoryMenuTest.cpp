// The history items of "ファイル" and the files dropped on the window.
#include <gtest/gtest.h>

#include "app/DroppedFiles.h"
#include "app/HistoryMenu.h"
#include "resources/CommandIds.h"
#include "tests/support/Steps.h"

namespace {

struct Host : HistoryMenuHost {
    bool playing() const override { return isPlaying; }
    void openHistoryFile(const std::string& path) override { opened.push_back(path); }
    void historyItemsChanged() override { ++changes; }
    bool isPlaying = false;
    Lines opened;
    int changes = 0;
};

std::string repeat(const std::string& text, int times) {
    std::string repeated;
    while (times-- > 0) repeated += text;
    return repeated;
}
}  // namespace

// A file straight in the MIDI folder shows its name alone; anything else its path, its middle left out past
// 60 characters (a Japanese character counts once) and every "&" doubled.
TEST(HistoryMenu, ALabelIsTheNameInTheMidiFolderOrThePathShortenedInItsMiddle) {
    const std::string folder = "C:\\MIDI";
    const std::string deep = "C:\\Users\\someone\\Music\\Collections\\Classical\\Baroque\\";  // 53 characters
    const struct {
        std::string path, label;
    } rows[] = {
        {"C:\\MIDI\\a.mid", "a.mid"},
        {"C:\\MIDI\\sub\\a.mid", "C:\\MIDI\\sub\\a.mid"},
        {"C:\\MIDIS\\a.mid", "C:\\MIDIS\\a.mid"},
        {"C:\\R&B\\a.mid", "C:\\R&&B\\a.mid"},
        {deep + "bac.mid", deep + "bac.mid"},  // 60 characters
        {deep + "bach.mid", "C:\\...\\someone\\Music\\Collections\\Classical\\Baroque\\bach.mid"},
        {deep + "bach12.mid", "C:\\...\\Music\\Collections\\Classical\\Baroque\\bach12.mid"},
        {"\\\\server\\share\\" + deep.substr(3) + "bach12.mid",
         "\\\\server\\...\\Music\\Collections\\Classical\\Baroque\\bach12.mid"},
        {"C:\\" + std::string(70, 'x') + ".mid",
         "C:\\" + std::string(25, 'x') + "..." + std::string(24, 'x') + ".mid"},
        {"C:\\" + repeat("曲", 20) + ".mid", "C:\\" + repeat("曲", 20) + ".mid"},
        {"C:\\" + repeat("曲", 70) + ".mid", "C:\\" + repeat("曲", 25) + "..." + repeat("曲", 24) + ".mid"},
        {"C:\\" + std::string(20, 'x') + "\\" + std::string(60, 'y'),
         "C:\\" + std::string(20, 'x') + "\\yyyy..." + std::string(28, 'y')},
    };
    for (const auto& row : rows) {
        RecentFiles history;
        history.noteOpened(row.path);
        EXPECT_EQ(historyMenuItems(history, folder)[0].label, "1. " + row.label) << row.path;
    }
}

// The newest entry is "1." and the oldest carries the first id; an item opens its file only while stopped,
// and "履歴ファイルクリア" empties the history and is greyed while it is empty.
TEST(HistoryMenu, ItemsOpenTheirOwnEntryWhileStoppedAndClearEmptiesTheHistory) {
    RecentFiles history;
    for (const char* path : {"a.mid", "b.mid", "c.mid"}) history.noteOpened(path);
    Host host;
    HistoryMenu menu(history, host);
    const auto items = historyMenuItems(history, "");
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(std::tuple(items[0].id, items[2].id, items[2].label),
              std::tuple(IDM_HISTORY_FIRST + 2, IDM_HISTORY_FIRST, std::string("3. a.mid")));
    for (int id : {IDM_HISTORY_FIRST + 2, IDM_HISTORY_FIRST, IDM_HISTORY_FIRST + 3}) menu.run(id);
    EXPECT_EQ(host.opened, (Lines{"c.mid", "a.mid"}));
    host.isPlaying = true;
    menu.run(IDM_HISTORY_FIRST);
    EXPECT_EQ(host.opened.size(), 2u);
    EXPECT_TRUE(menu.handles(IDM_HISTORY_LAST) && menu.handles(IDM_HISTORY_CLEAR));
    EXPECT_FALSE(menu.handles(IDM_HISTORY_FIRST - 1) || menu.handles(IDM_HISTORY_LAST + 1));
    EXPECT_TRUE(menu.enabled(IDM_HISTORY_CLEAR));
    menu.run(IDM_HISTORY_CLEAR);
    EXPECT_EQ(std::pair(history.count(), host.changes), std::pair(0, 1));
    EXPECT_TRUE(!menu.enabled(IDM_HISTORY_CLEAR) && menu.enabled(IDM_HISTORY_FIRST));
}

// While stopped the first dropped file opens and further MIDI files (".mid", ".midi", ".kar", any case) join
// the song list; while playing a drop does nothing.
TEST(DroppedFiles, TheFirstFileOpensAndFurtherMidiFilesJoinWhileStopped) {
    const DroppedFiles drop =
        sortDroppedFiles({"a.txt", "b.MID", "c.midi", "d.mi", "e.Midi", "mid", "f.xmid", "g.KAR"}, false);
    EXPECT_EQ(drop.opened, "a.txt");
    EXPECT_EQ(drop.joining, (Lines{"b.MID", "c.midi", "e.Midi", "g.KAR"}));
    for (const DroppedFiles& none : {sortDroppedFiles({"a.mid", "b.mid"}, true), sortDroppedFiles({}, false)})
        EXPECT_TRUE(none.opened.empty() && none.joining.empty());
    EXPECT_TRUE(sortDroppedFiles({"a.mid"}, false).joining.empty());
}
