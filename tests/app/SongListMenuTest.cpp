// The "選曲" menu and "一度だけ": which commands play, which refuse and with what message, and the checks.
#include <gtest/gtest.h>

#include "app/SongListMenu.h"
#include "resources/CommandIds.h"

namespace {

struct Host : SongListMenuHost {
    bool playing() const override { return isPlaying; }
    bool effectDialogOpen() const override { return dialogOpen; }
    bool openSongListEntry() override {
        const std::string& path = selection->songs.at(selection->songs.index);
        if (readable.count(path)) loaded = path;
        opened.push_back(path);
        return !loaded.empty();
    }
    void startPlayback() override { isPlaying = true; }
    void showMessage(const std::string& text) override { messages.push_back(text); }

    SongSelection* selection = nullptr;
    bool isPlaying = false;
    bool dialogOpen = false;
    std::set<std::string> readable = {"a.mid", "b.mid", "c.mid"};
    std::string loaded;
    std::vector<std::string> opened;
    std::vector<std::string> messages;
};

struct SongListMenuTest : testing::Test {
    SongListMenuTest() { host.selection = &selection; }
    void pick(std::initializer_list<const char*> paths) {
        for (const char* path : paths) selection.songs.append(path);
    }
    void TestBody() override {}
    SongSelection selection;
    Host host;
    SongListMenu menu{selection, host};
};

using Lines = std::vector<std::string>;

}  // namespace

TEST(SongListMenu, EachCommandPlaysItsEntryAtOnceAndChecksItsMode) {
    const struct {
        int id;
        int mode;
        const char* played;
    } cases[] = {{IDM_SONGS_FIRST, SongSelection::firstSong, "a.mid"},
                 {IDM_SONGS_LAST, SongSelection::lastSong, "c.mid"},
                 {IDM_SONGS_LOOP, SongSelection::loopSongs, "a.mid"}};
    for (const auto& c : cases) {
        SongListMenuTest t;
        t.pick({"a.mid", "b.mid", "c.mid"});
        EXPECT_TRUE(t.menu.handles(c.id));
        t.menu.run(c.id);
        EXPECT_EQ(t.selection.mode, c.mode);
        EXPECT_EQ(t.host.opened, Lines{c.played});
        EXPECT_TRUE(t.host.isPlaying);
        EXPECT_TRUE(t.host.messages.empty());
        for (int id : {IDM_SONGS_FIRST, IDM_SONGS_LAST, IDM_SONGS_LOOP})
            EXPECT_EQ(t.menu.checked(id), id == c.id) << id;
    }
}

TEST_F(SongListMenuTest, TheChecksRefuseInOrderWithTheirMessages) {
    pick({"a.mid"});
    host.isPlaying = true;
    menu.run(IDM_SONGS_FIRST);  // playing comes first
    host.isPlaying = false;
    menu.run(IDM_SONGS_FIRST);
    menu.run(IDM_SONGS_LAST);
    pick({"b.mid"});
    selection.playOnce = false;
    menu.run(IDM_SONGS_LOOP);
    selection.mode = SongSelection::loopSongs;
    menu.run(IDM_SONGS_LAST);
    EXPECT_EQ(host.messages, (Lines{"演奏中は使用できません", "２曲以上で使用します", "２曲以上で使用します",
                                    "「一度だけ」をチェックしてください", "循環再生中は使用できません"}));
    EXPECT_TRUE(host.opened.empty());
    EXPECT_FALSE(host.isPlaying);
}

TEST_F(SongListMenuTest, AnUnreadableEntryPlaysTheSongLoadedBeforeAndWithNoneLeavesNoModeBehind) {
    pick({"gone1.mid", "gone2.mid"});
    menu.run(IDM_SONGS_LOOP);
    EXPECT_EQ(host.opened, Lines{"gone1.mid"});
    EXPECT_EQ(selection.mode, SongSelection::noSongList);
    EXPECT_FALSE(host.isPlaying);
    // So the list can still be cleared and "一度だけ" still changed.
    menu.run(IDM_PLAY_ONCE);
    EXPECT_FALSE(selection.playOnce);
    menu.run(IDM_SONGS_CLEAR);
    EXPECT_EQ(host.messages, Lines{"曲バッファを初期化しました"});

    host.loaded = "earlier.mid";
    pick({"gone.mid", "a.mid"});
    menu.run(IDM_SONGS_FIRST);
    EXPECT_EQ(selection.mode, SongSelection::firstSong);
    EXPECT_TRUE(host.isPlaying);
    EXPECT_EQ(host.loaded, "earlier.mid");
}

TEST_F(SongListMenuTest, ClearingEmptiesTheListUnlessPlayingOrLooping) {
    pick({"a.mid", "b.mid"});
    selection.songs.index = 1;
    host.isPlaying = true;
    menu.run(IDM_SONGS_CLEAR);
    host.isPlaying = false;
    selection.mode = SongSelection::loopSongs;
    menu.run(IDM_SONGS_CLEAR);
    EXPECT_EQ(selection.songs.count(), 2);
    selection.mode = SongSelection::lastSong;
    menu.run(IDM_SONGS_CLEAR);
    EXPECT_EQ(host.messages,
              (Lines{"演奏中は使用できません", "循環再生中は使用できません", "曲バッファを初期化しました"}));
    EXPECT_EQ(selection.songs.count(), 0);
    EXPECT_EQ(selection.songs.index, 0);
    EXPECT_EQ(selection.mode, SongSelection::noSongList);
}

TEST_F(SongListMenuTest, PlayOnceTogglesAndIsCheckedExceptDuringLoopPlay) {
    EXPECT_TRUE(menu.checked(IDM_PLAY_ONCE));
    menu.run(IDM_PLAY_ONCE);
    EXPECT_FALSE(menu.checked(IDM_PLAY_ONCE));
    menu.run(IDM_PLAY_ONCE);
    selection.mode = SongSelection::loopSongs;
    menu.run(IDM_PLAY_ONCE);
    EXPECT_TRUE(selection.playOnce);
    EXPECT_EQ(host.messages, Lines{"循環再生中は使用できません"});
    EXPECT_FALSE(menu.checked(IDM_SONGS_CLEAR));
}

TEST_F(SongListMenuTest, AnOpenEffectDialogSilentlyRefusesEverySongListCommandAndPlayOnce) {
    pick({"a.mid", "b.mid"});
    host.dialogOpen = true;
    for (int id : {IDM_SONGS_FIRST, IDM_SONGS_LAST, IDM_SONGS_LOOP, IDM_SONGS_CLEAR, IDM_PLAY_ONCE})
        menu.run(id);
    EXPECT_TRUE(host.opened.empty());
    EXPECT_TRUE(host.messages.empty());
    EXPECT_TRUE(selection.playOnce);
    EXPECT_EQ(selection.mode, SongSelection::noSongList);
    EXPECT_EQ(selection.songs.count(), 2);
    host.dialogOpen = false;
    menu.run(IDM_SONGS_CLEAR);
    EXPECT_EQ(selection.songs.count(), 0);
}
