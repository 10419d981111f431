// The history items of the "ファイル" menu: the commands behind them.
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
