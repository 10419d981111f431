// Reading the settings at start-up, writing them at exit and deleting them, against the store in memory.
#include <gtest/gtest.h>

#include <tuple>

#include "app/Messages.h"
#include "app/Settings.h"
#include "app/SettingsMenu.h"
#include "app/SettingsSession.h"
#include "resources/CommandIds.h"
#include "tests/support/ScriptedPlatform.h"

namespace {

const char* const dir = Settings::folderKey;
const char* const mru = Settings::historyKey;
const char* const user = Settings::userKey;
const std::string start = "C:\\Start";

struct SettingsTest : testing::Test {
    void load() { settings = loadSettings(store, start, history); }
    // A store as a whole earlier run leaves it, and nothing read from it yet.
    void plantFullSettings() {
        store = {};
        settings = {};
        store.put(dir, "ReadDir", "s:C:\\Music");
        store.put(dir, "SaveDir", "s:C:\\Save");
        store.put(dir, "TexDir", "s:C:\\Pictures");
        store.put(mru, "Mru1", "s:C:\\Music\\a.mid");
        store.put(mru, "Mru2", "s:D:\\b.mid");
        for (const char* slot : {"Mru3", "Mru4", "Mru5", "Mru6"}) store.put(mru, slot, "s:empty");
        store.put(user, "Ongen", "n:2");
        store.put(user, "BackBmp", "s:C:\\Pictures\\face.bmp");
    }
    static auto fields(const Settings& s) {
        return std::tuple(s.startFolder, s.readDir, s.saveDir, s.texDir, s.soundModule, s.backgroundPath,
                          s.midiOut, s.midiIn, s.songList, s.lyricsWindow, s.usable);
    }

    MemorySettingsStore store;
    Settings settings;
    RecentFiles history;
    ScriptedPlatform host;  // the window of "レジストリを削除して終了"
    SettingsMenu menu{store, settings, host};
};

}  // namespace

TEST_F(SettingsTest, AFirstRunTakesTheStartFolderAndWritesTheDefaultsAtOnce) {
    load();
    const std::string folder = "s:" + start;
    EXPECT_EQ(store.storage,
              (std::map<std::string, std::string>{{dir + std::string("\\ReadDir"), folder},
                                                  {dir + std::string("\\SaveDir"), folder},
                                                  {dir + std::string("\\TexDir"), folder},
                                                  {user + std::string("\\Ongen"), "n:0"},
                                                  {user + std::string("\\BackBmp"), "s:Main.bmp"}}));
    // Defaults that cannot be written mean the settings cannot be kept either.
    store = {};
    store.refuseWrites = true;
    load();
    EXPECT_FALSE(settings.usable);
}

TEST_F(SettingsTest, WhatIsWrittenAtExitIsReadAtTheNextStart) {
    plantFullSettings();
    // Longer than any fixed buffer a reader might use.
    store.put(dir, "SaveDir", "s:" + std::string(300, 'x'));
    load();
    EXPECT_EQ(std::pair(store.writes, history.count()), std::pair(0, 2)) << "slots marked empty hold no song";

    history.noteOpened("E:\\new.mid");
    settings.soundModule = 1;
    settings.midiOut = "外部 MIDI";
    settings.midiIn = "鍵盤";
    settings.lyricsWindow = WindowPlace{-5, 600, 450, 140, true};
    MemorySettingsStore next;
    ASSERT_EQ(saveSettings(next, settings, history), SettingsStore::Status::ok);
    RecentFiles rereadHistory;
    rereadHistory.noteOpened("F:\\stale.mid");  // a history read again holds only what was stored
    Settings reread = loadSettings(next, "elsewhere", rereadHistory);
    reread.startFolder = start;
    EXPECT_EQ(fields(reread), fields(settings));
    EXPECT_EQ(settings.saveDir, std::string(300, 'x'));
    for (int slot = 0; slot < RecentFiles::capacity; ++slot)
        EXPECT_EQ(rereadHistory.slot(slot), history.slot(slot));
    EXPECT_EQ(next.writes, 3 + 6 + 6);  // the folders, the history slots, the user values: all at exit
}

// The history and the folders chosen in the open dialogs are written as soon as they change, so that a crash
// keeps them; a folder that did not change writes nothing, and the history's labels follow the song folder.
TEST_F(SettingsTest, TheSessionWritesTheHistoryAndTheChosenFoldersAsSoonAsTheyChange) {
    ScriptedPlatform platform;
    platform.folder = start;
    SettingsSession session(store, platform, platform);
    FaceState face;
    Skin skin(platform, platform);
    store.put(mru, "Mru1", "s:D:\\b.mid");
    session.load(face, skin);
    EXPECT_EQ(platform.historyItems.at(0).label, "1. D:\\b.mid");  // the stored history, shown at start
    session.history().noteOpened("C:\\Songs\\a.mid");
    session.historyChanged();
    EXPECT_EQ(store.stored(mru, "Mru1"), "s:C:\\Songs\\a.mid");
    EXPECT_EQ(platform.historyItems.at(0).label, "1. C:\\Songs\\a.mid");
    session.keepSongFolder("C:\\Songs");
    session.keepPictureFolder("C:\\Pictures");
    EXPECT_EQ(std::pair(store.stored(dir, "ReadDir"), store.stored(dir, "TexDir")),
              std::pair(std::string("s:C:\\Songs"), std::string("s:C:\\Pictures")));
    EXPECT_EQ(platform.historyItems.at(0).label, "1. a.mid");
    session.keepLyricsWindow({1, 2, 300, 100, true});
    EXPECT_EQ(store.stored(user, "LyricsWindow"), "s:1,2,300,100,1");
    const int writes = store.writes;
    for (const char* same : {"C:\\Songs", ""}) session.keepSongFolder(same);
    for (const char* same : {"C:\\Pictures", ""}) session.keepPictureFolder(same);
    session.keepLyricsWindow({1, 2, 300, 100, true});
    session.keepSongList({});
    EXPECT_EQ(store.writes, writes);
}

TEST_F(SettingsTest, OnlyAbsentValuesGetTheirDefaultsWrittenAndTheRestIsStillRead) {
    store.put(user, "Ongen", "n:1");
    store.put(user, "BackBmp", "s:C:\\face.bmp");
    load();  // no folders: decided per value, not as a first run for everything
    EXPECT_EQ(std::pair(settings.soundModule, settings.backgroundPath),
              std::pair(1, std::string("C:\\face.bmp")));
    EXPECT_EQ(std::pair(store.stored(dir, "ReadDir"), store.writes), std::pair("s:" + start, 3));
}

TEST_F(SettingsTest, UnusableValuesTakeTheirDefaults) {
    struct Case {
        const char* key;
        const char* name;
        const char* value;
    };
    for (const Case& c :
         {Case{user, "Ongen", "n:3"}, Case{user, "Ongen", "s:1"}, Case{user, "BackBmp", "s:"},
          Case{user, "BackBmp", "n:7"}, Case{dir, "ReadDir", "s:"}, Case{dir, "TexDir", "n:1"}}) {
        plantFullSettings();
        store.put(c.key, c.name, c.value);
        load();
        const std::string name = c.name;
        EXPECT_EQ(
            std::tuple(settings.soundModule, settings.backgroundPath, settings.readDir, settings.texDir,
                       settings.usable),
            std::tuple(name == "Ongen" ? 0 : 2, name == "BackBmp" ? "Main.bmp" : "C:\\Pictures\\face.bmp",
                       name == "ReadDir" ? start : "C:\\Music", name == "TexDir" ? start : "C:\\Pictures",
                       true))
            << name;
    }
}

TEST_F(SettingsTest, AStoreThatCannotBeReadIsNotWrittenAtExit) {
    store.refuseEverything = true;
    load();
    EXPECT_EQ(std::tuple(settings.usable, settings.readDir, settings.backgroundPath),
              std::tuple(false, start, std::string("Main.bmp")));
    store.refuseEverything = false;
    settings.lyricsWindow = WindowPlace{1, 2, 300, 100, true};  // nor as the values change
    for (const auto save : {saveFolders, saveSongList, saveLyricsWindow}) save(store, settings);
    EXPECT_EQ(saveSettings(store, settings, history), SettingsStore::Status::ok);
    EXPECT_TRUE(store.storage.empty());
    // One value that cannot be read is enough: the store may hold the user's settings all the same.
    const std::pair<const char*, const char*> values[] = {
        {dir, "ReadDir"},  {dir, "SaveDir"},  {dir, "TexDir"},  {mru, "Mru1"},      {user, "Ongen"},
        {user, "BackBmp"}, {user, "MidiOut"}, {user, "MidiIn"}, {user, "SongList"}, {user, "LyricsWindow"}};
    for (const auto& [key, name] : values) {
        plantFullSettings();
        store.refusedValue = {key, name};
        load();
        EXPECT_FALSE(settings.usable) << name;
    }
}

TEST_F(SettingsTest, DeletingNoLeavesEverythingAndYesDeletesTheKeysAndClosesWithoutWritingAnything) {
    plantFullSettings();
    store.put(Settings::rootKey, "Version", "n:1");  // a value of the program's key itself
    store.put("Software\\Other", "v", "s:kept");     // another program's
    load();
    host.answerYes = false;
    menu.run(IDM_DELETE_SETTINGS_AND_EXIT);
    EXPECT_EQ(host.questions, std::vector<std::string>{deleteSettingsQuestion});
    EXPECT_TRUE(store.stored(Settings::rootKey, "Version") == "n:1" && host.closeRequests == 0);

    host.answerYes = true;
    menu.run(IDM_DELETE_SETTINGS_AND_EXIT);
    EXPECT_EQ(std::pair(store.storage, host.messages),
              std::pair(decltype(store.storage){{"Software\\Other\\v", "s:kept"}}, Lines{}));
    saveSettings(store, settings, history);  // the window's destruction follows
    EXPECT_EQ(std::pair(store.writes, host.closeRequests), std::pair(0, 1));
}

TEST_F(SettingsTest, AFailedDeletionSaysSoAndStillWritesNothing) {
    plantFullSettings();
    store.put(Settings::rootKey + std::string("\\Other"), "x", "s:y");  // a subkey we know nothing of
    load();
    menu.run(IDM_DELETE_SETTINGS_AND_EXIT);
    EXPECT_EQ(host.messages, std::vector<std::string>{"レジストリの削除に失敗しました。手動で行って下さい"});
    // It tried all the same: the keys it knows are gone.
    EXPECT_EQ(store.stored(Settings::userKey, "Ongen"), "");
    const int writes = store.writes;
    saveSettings(store, settings, history);
    EXPECT_EQ(std::pair(store.writes, host.closeRequests), std::pair(writes, 1));
}

TEST(SongListStoredForm, WhatNoPathCanBeIsPassedOverAndTheLastFiftyStay) {
    const std::string longest(32767 * 3, 'y');
    std::string many;
    for (int i = 0; i < 60; ++i) many += std::to_string(i) + "|";
    const struct {
        std::string stored;
        std::vector<std::string> paths;
    } cases[] = {{"", {}},
                 {"a||b c", {"a", "b c"}},
                 {"a\nb|c\x7f|\x1f|d", {"d"}},
                 {std::string(200000, 'x') + "|e", {"e"}},
                 // The longest path Windows takes, each of its units three bytes, and one byte more.
                 {longest + "|" + longest + "z|e", {longest, "e"}}};
    for (const auto& c : cases) EXPECT_EQ(parseStoredSongList(c.stored), c.paths) << c.stored.substr(0, 20);
    const std::vector<std::string> last = parseStoredSongList(many);
    ASSERT_EQ(last.size(), 50u);
    EXPECT_EQ(last.front() + " " + last.back(), "10 59");
}

// A small window's kept place comes back only where its caption can still be taken on one of the screens.
TEST(WindowPlaceStoredForm, APlaceComesBackWhereItsCaptionIsOnAScreenAndWhatNoWriteMakesIsRefused) {
    const std::vector<ScreenArea> screens = {{0, 0, 1024, 740}, {1024, 0, 2304, 1024}};
    // Left of the first screen, over both, 40 and 39 px on the second, above, and a caption's height.
    const std::pair<std::string, bool> places[] = {
        {"-400,19,450,140,0", true},   {"1000,0,450,140,1", true},          {"2264,500,450,140,1", true},
        {"2265,500,450,140,1", false}, {"100,-1,450,140,1", false},         {"0,732,450,140,1", true},
        {"100,733,450,140,1", false},  {"-100000,100000,16,20000,0", false}};
    for (const auto& [stored, back] : places) {
        const std::optional<WindowPlace> place = parseStoredWindowPlace(stored);
        ASSERT_TRUE(place && windowPlaceStoredForm(*place) == stored) << stored;
        EXPECT_EQ(reachableOn(*place, screens), back) << stored;
    }
    for (const char* refused :
         {"", "100,600,450,140", "100,600,450,140,1,", "100,600,450,140,2", "100,600,15,140,1",
          "100,600,450,20001,1", "100,600,-450,140,1", "100, 600,450,140,1", "100001,600,450,140,1",
          "-0000001,600,450,140,1", "100,-100001,450,140,1"})
        EXPECT_FALSE(parseStoredWindowPlace(refused)) << refused;
    EXPECT_FALSE(parseStoredWindowPlace(std::string("100,600,450,140,1\0", 18)));
}
