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
            // Ten past full: an entry dropped too early would leave a gap still in the list.
            for (int i = 0; i < 60; ++i) guarded.list.append("song" + std::to_string(i) + ".mid");
            bool intact = guarded.list.count() == SongList::capacity && guarded.beside == "beside" &&
                          loadedEntry(SongSelection{guarded.list}, "elsewhere.mid") == -1;
            for (int i = 0; i < SongList::capacity; ++i)
                intact = intact && guarded.list.at(i) == "song" + std::to_string(10 + i) + ".mid";
            guarded.list.remove(0);  // and taking one out of the full list moves only the entries it holds
            intact = intact && guarded.list.at(0) == "song11.mid" && guarded.beside == "beside";
            std::exit(intact ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}

TEST(SongList, MovingEntriesKeepsTheCurrentOneCurrent) {
    SongList list;
    for (const char* path : {"a", "b", "c", "d", "e"}) list.append(path);
    for (const auto& [first, second, index] : {std::tuple{1, 0, 1}, {0, 2, 1}}) {
        list.swap(first, second);
        EXPECT_EQ(list.index, index) << first << " " << second;
    }
    list.swap(4, 5), list.swap(5, 4);
    EXPECT_EQ(list.at(4), "e") << "there is no entry 5 to swap with";
    EXPECT_EQ(loadedEntry(SongSelection{list}, "c"), 0)
        << "outside song-list play, the song's place in the list";
    SongSelection looping{list, SongSelection::loopSongs};
    looping.songs.index = 0;
    EXPECT_EQ(std::pair(loadedEntry(looping, "c"), loadedEntry(looping, "a")), std::pair(0, -1))
        << "in song-list play, only the entry played";
    // Taking the current entry out moves it to the one before, the first to the last; there is no entry 5.
    for (const auto& [entry, index] : {std::pair{5, 1}, {4, 1}, {1, 0}, {0, 1}, {1, 0}, {0, 0}}) {
        list.remove(entry);
        EXPECT_EQ(list.index, index) << entry;
    }
    list.moveToNextEntry(+1);  // an empty list has no entry to step to
    EXPECT_EQ(list.index, 0);
    list.append("a"), list.append("b"), list.index = 1, list.clear();
    EXPECT_EQ(list.index, 0) << "cleared, the list starts again at its first entry";
}
