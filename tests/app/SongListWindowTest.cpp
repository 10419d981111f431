// "曲目一覧…": the rows and their mark, what each action does to the list and to playback, the keys, and
// the list kept in the settings, through the window's rules.
#include <gtest/gtest.h>

#include "app/MainWindowModel.h"
#include "playback/RecordingMidiOut.h"
#include "playback/SmfWriter.h"
#include "playback/VirtualTimer.h"
#include "resources/CommandIds.h"
#include "tests/support/ScriptedPlatform.h"

namespace {
using Lines = std::vector<std::string>;
using Action = SongListWindow::Action;

struct ShownList : SongListWindowPort {
    void openSongListWindow(const SongListView& view) override { shown = view, ++openings; }
    void showSongList(const SongListView& view) override { shown = view; }
    SongListView shown;
    int openings = 0;
};

PlatformPorts withList(PlatformPorts ports, SongListWindowPort& list) {
    ports.songList = &list;
    return ports;
}

struct ListWindow {
    explicit ListWindow(ScriptedPlatform& port) : port(port) {
        model.loadSprites(), model.loadSettings(), model.loadFace();
    }
    void open(const std::string& path) {
        port.nextChoice = path;
        model.onCommand(IDM_FILE_OPEN);
    }
    // Plays the song to its end, as the timer and the window's ticks do.
    void playToEnd() {
        for (int tick = 0; tick < 200 && model.engine().player().playing(); ++tick)
            timer.tick(), model.onTick();
    }
    ScriptedPlatform& port;
    ShownList list;
    RecordingMidiOut out;
    VirtualTimer timer;
    ShortMessageFailures failures;
    MainWindowModel model{withList(port.ports(), list), out, timer, port, port.canvases, failures};
};

struct SongListWindowTest : testing::Test {
    SongListWindowTest() {
        port.addSkinFiles();
        const std::vector<uint8_t> song =
            SmfWriter(1, 480).track(SmfTrack().shortMessage(0, 0x90, 60, 100).endOfTrack(480)).bytes();
        for (const char* path : {"C:\\曲\\さくら.mid", "b.mid", "c.mid"}) port.addFile(path, song);
    }
    ScriptedPlatform port;
};
}  // namespace

TEST_F(SongListWindowTest, RowsNameEachEntryMarkTheLoadedOneAndFollowTheList) {
    ListWindow window(port);
    window.open("C:\\曲\\さくら.mid");
    window.model.onCommand(IDM_SONGS_WINDOW);
    window.open("b.mid");
    window.open("gone.mid");  // joins the list although it cannot be read; b.mid stays loaded
    EXPECT_EQ(window.list.openings, 1);
    EXPECT_EQ(window.list.shown.rows, (Lines{"　 1. さくら.mid", "♪ 2. b.mid", "　 3. gone.mid"}));
    EXPECT_EQ(window.list.shown.marked, 1);
}

TEST_F(SongListWindowTest, EachActionChangesTheListAndSaysWhichRowToSelect) {
    const struct {
        Action action;
        int row;
        Lines names;
        int selected;
    } cases[] = {
        {Action::remove, 0, {"b.mid", "c.mid"}, 0},
        {Action::remove, 2, {"さくら.mid", "b.mid"}, 1},
        {Action::moveUp, 0, {"さくら.mid", "b.mid", "c.mid"}, 0},
        {Action::moveUp, 2, {"さくら.mid", "c.mid", "b.mid"}, 1},
        {Action::moveDown, 0, {"b.mid", "さくら.mid", "c.mid"}, 1},
        {Action::moveDown, 2, {"さくら.mid", "b.mid", "c.mid"}, 2},
        {Action::remove, 3, {"さくら.mid", "b.mid", "c.mid"}, 0},
    };
    for (const auto& c : cases) {
        ListWindow window(port);
        for (const char* path : {"C:\\曲\\さくら.mid", "b.mid", "c.mid"}) window.open(path);
        EXPECT_EQ(window.model.songListAction(c.action, c.row), c.selected);
        Lines names;
        for (const std::string& row : window.list.shown.rows) names.push_back(row.substr(row.find(". ") + 2));
        EXPECT_EQ(names, c.names) << int(c.action) << " " << c.row;
        EXPECT_FALSE(window.model.engine().player().playing());
    }
}

TEST_F(SongListWindowTest, PlayingAnEntryKeepsTheLoopWhichGoesOnPastAnEntryTakenOut) {
    ListWindow window(port);
    for (const char* path : {"C:\\曲\\さくら.mid", "b.mid", "c.mid"}) window.open(path);
    window.model.onCommand(IDM_SONGS_LOOP);
    window.model.songListAction(Action::play, 1);
    EXPECT_EQ(window.model.windowTitle().substr(0, 5), "b.mid");
    window.model.songListAction(Action::remove, 1);  // the song playing plays on, unmarked
    EXPECT_EQ(window.list.shown.marked, -1);
    window.playToEnd();
    EXPECT_EQ(window.model.windowTitle().substr(0, 5), "c.mid");
    EXPECT_EQ(window.list.shown.marked, 1);
    EXPECT_EQ(window.model.engine().selection().mode, SongSelection::loopSongs);
}

TEST_F(SongListWindowTest, TheListIsKeptAtExitAndComesBackAtTheNextStart) {
    {
        ListWindow window(port);
        for (const char* path : {"C:\\曲\\さくら.mid", "b.mid"}) window.open(path);
        window.model.onDestroy();
    }
    EXPECT_EQ(std::get<std::string>(port.store.values[{Settings::userKey, "SongList"}]),
              "C:\\曲\\さくら.mid|b.mid|");
    ListWindow again(port);
    again.model.onCommand(IDM_SONGS_WINDOW);
    EXPECT_EQ(again.list.shown.rows, (Lines{"　 1. さくら.mid", "　 2. b.mid"}));
}

TEST(SongListStoredForm, WhatNoPathCanBeIsPassedOverAndTheLastFiftyStay) {
    std::string many;
    for (int i = 0; i < 60; ++i) many += std::to_string(i) + "|";
    const struct {
        std::string stored;
        Lines paths;
    } cases[] = {
        {"", {}},
        {"|||", {}},
        {"a||b", {"a", "b"}},
        {"a\nb|c\x7f|d", {"d"}},
        {std::string(200000, 'x') + "|e", {"e"}},
    };
    for (const auto& c : cases) EXPECT_EQ(parseStoredSongList(c.stored), c.paths) << c.stored.substr(0, 20);
    const Lines last = parseStoredSongList(many);
    ASSERT_EQ(last.size(), 50u);
    EXPECT_EQ(last.front(), "10");
    EXPECT_EQ(last.back(), "59");
}

TEST(SongListKeys, DeleteRemovesAltArrowsMoveAndEnterPlays) {
    EXPECT_EQ(songListActionForKey(0x2E, false), Action::remove);
    EXPECT_EQ(songListActionForKey(0x26, true), Action::moveUp);
    EXPECT_EQ(songListActionForKey(0x28, true), Action::moveDown);
    EXPECT_EQ(songListActionForKey(0x0D, false), Action::play);
    EXPECT_EQ(songListActionForKey(0x26, false), Action::none);  // the list's own arrow keys
}
