// The "選曲" menu and "一度だけ": which commands play, which refuse and with what message, and the checks.
#include <gtest/gtest.h>

#include "app/SongListMenu.h"
#include "resources/CommandIds.h"
#include "tests/support/ScriptedPlatform.h"

namespace {

struct Host : SongListMenuHost {
    bool playing() const override { return isPlaying; }
    bool effectDialogOpen() const override { return dialogOpen; }
    bool openSongListEntry(int) override {
        const std::string& path = selection->songs.at(selection->songs.index);
        opened.push_back(path);
        return readable.count(path) > 0;
    }
    void startPlayback() override { isPlaying = true; }

    SongSelection* selection = nullptr;
    bool isPlaying = false;
    bool dialogOpen = false;
    std::set<std::string> readable = {"a.mid", "b.mid", "c.mid"};
    std::vector<std::string> opened;
};

struct RecordingWindow : ScriptedPlatform {
    void showInformation(const std::string& text) override { information.push_back(text); }
    std::vector<std::string> information;
};

// A menu over a song selection, its host and its window.
struct MenuRig {
    MenuRig() { host.selection = &selection; }
    void pick(std::initializer_list<const char*> paths) {
        for (const char* path : paths) selection.songs.append(path);
    }
    SongSelection selection;
    Host host;
    RecordingWindow window;
    SongListMenu menu{selection, host, window};
};

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
        MenuRig t;
        t.pick({"a.mid", "b.mid", "c.mid"});
        t.menu.run(c.id);
        EXPECT_EQ(std::tuple(t.selection.mode, t.host.opened, t.host.isPlaying),
                  std::tuple(c.mode, Lines{c.played}, true));
        for (int id : {IDM_SONGS_FIRST, IDM_SONGS_LAST, IDM_SONGS_LOOP, IDM_SONGS_CLEAR})
            EXPECT_EQ(t.menu.checked(id), id == c.id) << id;
    }
}

// A refusal leaves the list, the mode, "一度だけ" and the player as they were; the checks come in the
// order playing, the number of songs, loop play, and beside an effect dialog every command is refused
// without a word.
TEST(SongListMenu, EachCommandRefusesInOrderWithItsMessage) {
    const int none = SongSelection::noSongList, loop = SongSelection::loopSongs;
    const struct {
        int id;
        int songs;
        bool playing, dialogOpen, playOnce;
        int mode;
        const char* message;
    } cases[] = {
        {IDM_SONGS_FIRST, 1, true, false, true, loop, "演奏中は使用できません"},
        {IDM_SONGS_LAST, 1, false, false, true, loop, "２曲以上で使用します"},
        {IDM_SONGS_LAST, 2, false, false, true, loop, "循環再生中は使用できません"},
        {IDM_SONGS_LOOP, 1, false, false, false, none, "２曲以上で使用します"},
        {IDM_SONGS_LOOP, 2, false, false, false, none, "「一度だけ」をチェックしてください"},
        {IDM_PLAY_ONCE, 2, false, false, true, loop, "循環再生中は使用できません"},
        {IDM_SONGS_FIRST, 2, false, true, true, none, nullptr},
        {IDM_PLAY_ONCE, 2, false, true, true, none, nullptr},
        {IDM_SONGS_CLEAR, 2, false, true, true, none, nullptr},
        {IDM_SONGS_CLEAR, 2, true, false, true, none, "演奏中は使用できません"},
        {IDM_SONGS_CLEAR, 2, false, false, true, loop, "循環再生中は使用できません"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.id << " " << (c.message ? c.message : "silent"));
        MenuRig t;
        for (int i = 0; i < c.songs; ++i) t.pick({"a.mid"});
        t.host.isPlaying = c.playing;
        t.host.dialogOpen = c.dialogOpen;
        t.selection.playOnce = c.playOnce;
        t.selection.mode = c.mode;
        t.menu.run(c.id);
        EXPECT_EQ(t.window.messages, c.message ? Lines{c.message} : Lines{});
        const SongSelection& s = t.selection;
        EXPECT_EQ(std::tuple(t.host.opened.size(), t.host.isPlaying, s.songs.count(), s.mode, s.playOnce),
                  std::tuple(size_t(0), c.playing, c.songs, c.mode, c.playOnce));
    }
}
