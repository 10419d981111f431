#include <gtest/gtest.h>

#include "playback/SongList.h"

TEST(SongList, TheFiftyFirstSongDropsTheOldestAndClearingStartsAgainAtTheFirstEntry) {
    SongList list;
    for (int i = 0; i < 51; ++i) list.append("song" + std::to_string(i) + ".mid");
    list.append("again.mid");
    EXPECT_EQ(list.count(), 50);
    EXPECT_EQ(list.at(0), "song2.mid");
    EXPECT_EQ(list.at(48), "song50.mid");
    EXPECT_EQ(list.at(49), "again.mid");
    list.moveToNextEntry();
    list.clear();
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(list.index, 0);
    list.moveToNextEntry();  // nothing to move to
    EXPECT_EQ(list.index, 0);
}

TEST(SongList, LoopPlayFollowsTheLastEntryWithTheFirst) {
    SongList list;
    for (const char* path : {"a.mid", "b.mid", "c.mid"}) list.append(path);
    std::string played;
    for (int song = 0; song < 7; ++song) {
        played += list.at(list.index)[0];
        list.moveToNextEntry();
    }
    EXPECT_EQ(played, "abcabca");
}
