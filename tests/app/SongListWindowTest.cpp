// "曲目一覧…": the rows and their mark, what each action does to the list and to playback, and the list
// kept in the settings, through the window's rules (the keys are tried in the Win32 test).
#include <gtest/gtest.h>

#include "app/HotKeys.h"
#include "app/MainWindowModel.h"
#include "playback/RecordingMidiOut.h"
#include "playback/SmfWriter.h"
#include "playback/VirtualTimer.h"
#include "resources/CommandIds.h"
#include "tests/support/ScriptedPlatform.h"

namespace {
using Lines = std::vector<std::string>;
using Action = SongListWindow::Action;

struct ListWindow : SongListWindowPort {
    explicit ListWindow(ScriptedPlatform& port) : port(port) {
        model.loadSprites(), model.loadSettings(), model.loadFace();
    }
    void openSongListWindow(const SongListView& view) override { shown = view, ++opens; }
    void showSongList(const SongListView& view) override { shown = view; }
    void open(std::initializer_list<const char*> paths) {
        for (const char* path : paths) port.nextChoice = path, model.onCommand(IDM_FILE_OPEN);
    }
    std::string title() const { return model.windowTitle().substr(0, 5); }

    ScriptedPlatform& port;
    SongListView shown;
    int opens = 0;
    RecordingMidiOut out;
    VirtualTimer timer;
    ShortMessageFailures failures;
    WindowPlatform platform = [this] {
        WindowPlatform platform = port.platform();
        platform.songList = this;
        return platform;
    }();
    MainWindowModel model{platform, out, timer, port.canvases, failures};
};

struct SongListWindowTest : testing::Test {
    SongListWindowTest() {
        port.addSkinFiles();
        for (const char* path : {"C:\\曲\\さくら.mid", "b.mid", "c.mid"})
            port.addFile(
                path,
                SmfWriter(1, 480).track(SmfTrack().shortMessage(0, 0x90, 60, 9).endOfTrack(480)).bytes());
    }
    ScriptedPlatform port;
};
}  // namespace

TEST_F(SongListWindowTest, RowsNameEachEntryMarkTheLoadedOneAndAreKeptAsTheyChange) {
    ListWindow window(port);
    window.open({"C:\\曲\\さくら.mid"});
    window.model.onCommand(IDM_SONGS_WINDOW);
    window.open({"b.mid", "gone.mid"});  // gone.mid joins the list although it cannot be read
    EXPECT_EQ(window.shown.rows, (Lines{"　 1. さくら.mid", "♪ 2. b.mid", "　 3. gone.mid"}));
    EXPECT_EQ(std::get<std::string>(port.store.values[{Settings::userKey, "SongList"}]),
              "C:\\曲\\さくら.mid|b.mid|gone.mid|");
}

TEST_F(SongListWindowTest, TheSongNamedAtStartJoinsTheListThatCameBackOnlyWhenItIsNotOnItYet) {
    port.store.values[{Settings::userKey, "SongList"}] = std::string("b.mid|c.mid|");
    ListWindow window(port);
    window.model.openStartSong("c.mid", false);
    window.model.openStartSong("C:\\曲\\さくら.mid", false);
    window.model.onCommand(IDM_SONGS_WINDOW);
    EXPECT_EQ(window.opens, 1);
    EXPECT_EQ(window.shown.rows, (Lines{"　 1. b.mid", "　 2. c.mid", "♪ 3. さくら.mid"}));
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
        {Action::remove, 2, "b.mid c.mid ", 1},
    };
    ListWindow window(port);
    window.open({"C:\\曲\\さくら.mid", "b.mid", "c.mid"});
    for (const auto& step : steps) {
        EXPECT_EQ(window.model.songListAction(step.action, step.row), step.selected);
        std::string names;
        for (const std::string& row : window.shown.rows) names += row.substr(row.find(". ") + 2) + " ";
        EXPECT_EQ(names, step.names) << int(step.action) << " " << step.row;
    }
    // Two songs are enough to step through, and a row played while stopped starts playing.
    window.model.onCommand(IDM_SONGS_NEXT);
    window.model.songListAction(Action::play, 0);
    EXPECT_TRUE(port.messages.empty() && window.model.engine().player().playing());
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
    ListWindow window(port);
    window.open({"C:\\曲\\さくら.mid", "b.mid", "c.mid"});
    window.model.onCommand(IDM_SONGS_LOOP);
    window.model.songListAction(Action::play, 1);
    EXPECT_EQ(window.title(), "b.mid");
    window.model.songListAction(Action::remove, 1);  // the song playing plays on, unmarked
    EXPECT_EQ(window.shown.marked, -1);
    for (int tick = 0; tick < 200 && window.title() == "b.mid"; ++tick)  // b.mid ends; the loop goes on
        window.timer.tick(), window.model.onTick();
    EXPECT_EQ(window.title(), "c.mid");
    EXPECT_EQ(window.shown.marked, 1);
}
