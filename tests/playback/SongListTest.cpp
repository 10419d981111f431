#include <gtest/gtest.h>

#include "playback/SongList.h"

// A full list drops its oldest entry. An entry written past the array would corrupt what lies beside it,
// which only sometimes crashes, so the list is filled in a child process that must end normally with every
// entry in place.
TEST(SongList, AFullListDropsTheOldestAndKeepsEveryEntryInPlace) {
    EXPECT_EXIT(
        {
            struct {
                SongList list;
                std::string beside = "beside";
            } guarded;
            for (int i = 0; i < 120; ++i) guarded.list.append("song" + std::to_string(i) + ".mid");
            bool intact = guarded.list.count() == SongList::capacity && guarded.beside == "beside";
            for (int i = 0; i < SongList::capacity; ++i)
                intact = intact && guarded.list.at(i) == "song" + std::to_string(70 + i) + ".mid";
            std::exit(intact ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}

TEST(SongList, LoopPlayFollowsTheLastEntryWithTheFirstAndClearingStartsAgain) {
    SongList list;
    for (const char* path : {"a.mid", "b.mid", "c.mid"}) list.append(path);
    std::string played;
    for (int song = 0; song < 7; ++song) {
        played += list.at(list.index)[0];
        list.moveToNextEntry();
    }
    EXPECT_EQ(played, "abcabca");
    list.clear();
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(list.index, 0);
    list.moveToNextEntry();  // nothing to move to
    EXPECT_EQ(list.index, 0);
}
