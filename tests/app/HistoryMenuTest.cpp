// The history items of the "ファイル" menu: their labels and ids, and the commands behind them.
#include <gtest/gtest.h>

#include "app/HistoryMenu.h"
#include "resources/CommandIds.h"

namespace {

struct Host : HistoryMenuHost {
    bool playing() const override { return isPlaying; }
    // Like the real opener, notes the file in the history once it has loaded.
    void openHistoryFile(const std::string& path) override {
        opened.push_back(path);
        if (menu) menu->noteOpened(path);
    }
    void historyItemsChanged() override { ++rebuilds; }

    HistoryMenu* menu = nullptr;
    bool isPlaying = false;
    std::vector<std::string> opened;
    int rebuilds = 0;
};

struct HistoryMenuTest : testing::Test {
    HistoryMenuTest() { host.menu = &menu; }
    RecentFiles history;
    Host host;
    HistoryMenu menu{history, host};
};

}  // namespace

// Found by argument lookup, so beside the type rather than in the unnamed namespace.
static bool operator==(const HistoryMenuItem& a, const HistoryMenuItem& b) {
    return a.id == b.id && a.label == b.label;
}
static void PrintTo(const HistoryMenuItem& item, std::ostream* out) {
    *out << item.id << " " << item.label;
}

TEST_F(HistoryMenuTest, FilesInTheMidiFolderAreNamedAloneAndTheOldestCarriesTheFirstId) {
    history.restore(
        {"C:\\Music\\new.mid", "C:\\Music\\Sub\\deep.mid", "C:\\music\\case.mid", "C:\\Musical\\near.mid"});
    EXPECT_EQ(historyMenuItems(history, "C:\\Music"),
              (std::vector<HistoryMenuItem>{{40543, "1. new.mid"},
                                            {40542, "2. C:\\Music\\Sub\\deep.mid"},
                                            {40541, "3. C:\\music\\case.mid"},
                                            {40540, "4. C:\\Musical\\near.mid"}}));
}

TEST_F(HistoryMenuTest, AnItemOpensItsEntryUnlessASongPlays) {
    history.restore({"c.mid", "b.mid", "a.mid"});
    menu.run(IDM_HISTORY_FIRST);  // the oldest, which goes to the top
    EXPECT_EQ(host.rebuilds, 1);
    menu.run(IDM_HISTORY_FIRST + 2);  // now the top item: nothing changes
    EXPECT_EQ(host.rebuilds, 1);
    host.isPlaying = true;
    menu.run(IDM_HISTORY_FIRST + 1);
    host.isPlaying = false;
    menu.run(IDM_HISTORY_FIRST + 3);  // no such item with three entries
    EXPECT_EQ(host.opened, (std::vector<std::string>{"a.mid", "a.mid"}));
    EXPECT_EQ(history.at(0), "a.mid");
    EXPECT_EQ(history.at(1), "c.mid");
    EXPECT_EQ(history.at(2), "b.mid");
}

TEST_F(HistoryMenuTest, ClearingEmptiesTheHistoryAndGreysItsItem) {
    EXPECT_FALSE(menu.enabled(IDM_HISTORY_CLEAR));
    history.restore({"a.mid"});
    EXPECT_TRUE(menu.enabled(IDM_HISTORY_CLEAR));
    menu.run(IDM_HISTORY_CLEAR);
    EXPECT_EQ(history.count(), 0);
    EXPECT_EQ(host.rebuilds, 1);
}
