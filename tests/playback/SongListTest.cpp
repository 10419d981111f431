#include <gtest/gtest.h>

#include "playback/SongList.h"

TEST(SongList, TheFiftyFirstSongDropsTheOldest) {
    SongList list;
    for (int i = 0; i < 51; ++i) list.append("song" + std::to_string(i) + ".mid");
    list.append("again.mid");
    EXPECT_EQ(list.count(), 50);
    EXPECT_EQ(list.at(0), "song2.mid");
    EXPECT_EQ(list.at(48), "song50.mid");
    EXPECT_EQ(list.at(49), "again.mid");
    list.clear();
    EXPECT_EQ(list.count(), 0);
}
