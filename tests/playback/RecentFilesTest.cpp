// The history's order: what opening a file, or picking a history entry, does to the six entries.
#include <gtest/gtest.h>

#include "playback/RecentFiles.h"

namespace {

std::vector<std::string> entries(const RecentFiles& history) {
    std::vector<std::string> paths;
    for (int entry = 0; entry < history.count(); ++entry) paths.push_back(history.at(entry));
    return paths;
}

// Opens the files in the dialog, oldest first.
RecentFiles opened(const std::vector<std::string>& paths) {
    RecentFiles history;
    for (const std::string& path : paths) history.noteOpened(path);
    return history;
}

}  // namespace

TEST(RecentFiles, ASeventhDistinctFileDropsTheOldest) {
    RecentFiles history = opened({"1.mid", "2.mid", "3.mid", "4.mid", "5.mid", "6.mid"});
    EXPECT_EQ(entries(history),
              (std::vector<std::string>{"6.mid", "5.mid", "4.mid", "3.mid", "2.mid", "1.mid"}));
    EXPECT_TRUE(history.noteOpened("7.mid"));
    EXPECT_EQ(entries(history),
              (std::vector<std::string>{"7.mid", "6.mid", "5.mid", "4.mid", "3.mid", "2.mid"}));
}

TEST(RecentFiles, ReopeningTheThirdFileMovesItToTheTop) {
    RecentFiles history = opened({"a.mid", "b.mid", "c.mid", "d.mid"});
    EXPECT_TRUE(history.noteOpened(history.at(2)));  // as the history item hands it over
    EXPECT_EQ(entries(history), (std::vector<std::string>{"b.mid", "d.mid", "c.mid", "a.mid"}));
}

TEST(RecentFiles, TheNewestFileAgainChangesNothing) {
    RecentFiles history = opened({"a.mid", "b.mid"});
    EXPECT_FALSE(history.noteOpened("b.mid"));
    EXPECT_EQ(entries(history), (std::vector<std::string>{"b.mid", "a.mid"}));
}

TEST(RecentFiles, PathsCompareExactly) {
    RecentFiles history = opened({"C:\\Music\\a.mid"});
    EXPECT_TRUE(history.noteOpened("C:\\music\\a.mid"));
    EXPECT_EQ(history.count(), 2);
}

TEST(RecentFiles, RestoringStopsAtAnEmptyPathAndKeepsSix) {
    RecentFiles history;
    history.restore({"a.mid", "", "c.mid"});
    EXPECT_EQ(entries(history), (std::vector<std::string>{"a.mid"}));
    history.restore({"1", "2", "3", "4", "5", "6", "7"});
    EXPECT_EQ(history.count(), 6);
    EXPECT_EQ(history.at(5), "6");
    history.clear();
    EXPECT_EQ(history.count(), 0);
    EXPECT_EQ(history.slot(0), "");
}
