// The history's order: what opening a file, or picking a history entry, does to the six entries.
#include <gtest/gtest.h>

#include "playback/RecentFiles.h"
#include "tests/support/Steps.h"

namespace {

Lines entries(const RecentFiles& history) {
    Lines paths;
    for (int entry = 0; entry < history.count(); ++entry) paths.push_back(history.at(entry));
    return paths;
}
}  // namespace

TEST(RecentFiles, OpeningPutsAFileOnTopDroppingTheOldestOfSevenAndPathsCompareExactly) {
    RecentFiles history;  // six files opened in the dialog, oldest first
    for (const char* path : {"1.mid", "2.mid", "3.mid", "4.mid", "5.mid", "6.mid"}) history.noteOpened(path);
    EXPECT_TRUE(history.noteOpened("7.mid"));
    EXPECT_EQ(entries(history), (Lines{"7.mid", "6.mid", "5.mid", "4.mid", "3.mid", "2.mid"}));
    EXPECT_TRUE(history.noteOpened(history.at(3)));  // as the history item hands it over
    EXPECT_EQ(entries(history), (Lines{"4.mid", "7.mid", "6.mid", "5.mid", "3.mid", "2.mid"}));
    EXPECT_FALSE(history.noteOpened("4.mid")) << "the newest file again changes nothing";
    EXPECT_TRUE(history.noteOpened("4.MID"));
    EXPECT_EQ(entries(history), (Lines{"4.MID", "4.mid", "7.mid", "6.mid", "5.mid", "3.mid"}));
}
