// "曲目一覧…": the rows and their mark, what each action does to the list and to playback, and the list
// kept in the settings, through the window's rules (the keys are tried in the Win32 test).
#include "app/HotKeys.h"
#include "tests/app/WindowModelFixture.h"

namespace {
using Action = SongListWindow::Action;

struct SongListWindowTest : WindowModelTest {
    SongListWindowTest() {
        for (const char* path : {"C:\\曲\\さくら.mid", "b.mid", "c.mid"}) port.addFile(path, oneNoteSong());
    }
    std::string title() const { return model.windowTitle().substr(0, 5); }
    const SongListView& shown = port.songList.shown;
};
}  // namespace

TEST_F(SongListWindowTest, RowsNameEachEntryMarkTheLoadedOneAndAreKeptAsTheyChange) {
    startUp();
    openSongFile("C:\\曲\\さくら.mid");
    model.onCommand(IDM_SONGS_WINDOW);
    for (const char* path : {"b.mid", "gone.mid"}) openSongFile(path);  // gone.mid joins, though unread
    EXPECT_EQ(shown.rows, (Lines{"　 1. さくら.mid", "♪ 2. b.mid", "　 3. gone.mid"}));
    port.addFile("gone.mid", {});  // there now, but silent: playing it plays the entry after it
    model.songListAction(Action::play, 2);
    EXPECT_EQ(model.songs().currentPath(), "C:\\曲\\さくら.mid");
    EXPECT_EQ(port.store.stored(Settings::userKey, "SongList"), "s:C:\\曲\\さくら.mid|b.mid|gone.mid|");
}

TEST_F(SongListWindowTest, TheSongNamedAtStartJoinsTheListThatCameBackOnlyWhenItIsNotOnItYet) {
    port.store.put(Settings::userKey, "SongList", "s:b.mid|c.mid|");
    startUp();
    model.openStartSong("c.mid", false);
    model.openStartSong("C:\\曲\\さくら.mid", false);
    EXPECT_EQ(port.store.stored(Settings::userKey, "SongList"), "s:b.mid|c.mid|C:\\曲\\さくら.mid|")
        << "kept at once";
    model.onCommand(IDM_SONGS_WINDOW);
    EXPECT_EQ(std::pair(port.songList.opens, shown.rows),
              std::pair(1, Lines{"　 1. b.mid", "　 2. c.mid", "♪ 3. さくら.mid"}));
}

TEST_F(SongListWindowTest, EachActionChangesTheListAndSaysWhichRowToSelect) {
    const struct {
        Action action;
        int row;
        const char* names;
        int selected;
    } steps[] = {
        {Action::remove, 3, "さくら.mid b.mid c.mid ", 0},
        {Action::moveUp, 0, "さくら.mid b.mid c.mid ", 0},
        {Action::moveDown, 0, "b.mid さくら.mid c.mid ", 1},
        {Action::moveUp, 2, "b.mid c.mid さくら.mid ", 1},
        {Action::moveDown, 2, "b.mid c.mid さくら.mid ", 2},
        {Action::remove, 1, "b.mid さくら.mid ", 1},  // the song loaded
    };
    startUp();
    for (const char* path : {"C:\\曲\\さくら.mid", "b.mid", "c.mid"}) openSongFile(path);
    for (const auto& step : steps) {
        EXPECT_EQ(model.songListAction(step.action, step.row), step.selected);
        std::string names;
        for (const std::string& row : shown.rows) names += row.substr(row.find(". ") + 2) + " ";
        EXPECT_EQ(names, step.names) << int(step.action) << " " << step.row;
    }
    // Two songs are enough to step through, from the last when the song loaded is no longer listed; a row
    // played while stopped starts playing.
    model.onCommand(IDM_SONGS_PREVIOUS);
    EXPECT_EQ(model.songs().currentPath(), "b.mid");
    model.songListAction(Action::play, 0);
    EXPECT_TRUE(port.messages.empty() && model.engine().player().playing());
    EXPECT_EQ(model.songListAction(Action::remove, 1), 0) << "the last row gone, the one before it";
    model.songListAction(Action::remove, 0);
    EXPECT_EQ(model.songListAction(Action::remove, 0), -1);  // no row left to select
}

TEST(SongListKeys, DeleteRemovesEnterPlaysAndAltWithAnArrowMovesTheRow) {
    using namespace virtualKey;
    const std::tuple<int, bool, Action> keys[] = {
        {deleteKey, false, Action::remove}, {enter, false, Action::play}, {up, true, Action::moveUp},
        {down, true, Action::moveDown},     {up, false, Action::none},    {deleteKey, true, Action::none},
        {enter, true, Action::none},        {space, false, Action::none}};
    for (const auto& [key, alt, action] : keys)
        EXPECT_EQ(songListActionForKey(key, alt), action) << key << alt;
}

TEST_F(SongListWindowTest, PlayingAnEntryKeepsTheLoopWhichGoesOnPastAnEntryTakenOut) {
    startUp();
    for (const char* path : {"C:\\曲\\さくら.mid", "b.mid", "c.mid"}) openSongFile(path);
    model.onCommand(IDM_SONGS_LOOP);
    out.clear();
    model.songListAction(Action::play, 1);
    const Lines sent = messageLines(out.messages(), 0);
    EXPECT_NE(std::find(sent.begin(), sent.end(), "0 BF 7B 00"), sent.end())
        << "the song playing stopped first";
    model.songListAction(Action::remove, 1);  // the song playing plays on, unmarked
    EXPECT_EQ(std::pair(title(), shown.marked), std::pair(std::string("b.mid"), -1));
    for (int tick = 0; tick < 200 && title() == "b.mid"; ++tick)  // b.mid ends; the loop goes on
        timer.tick(), model.onTick();
    EXPECT_EQ(std::pair(title(), shown.marked), std::pair(std::string("c.mid"), 1));
}
