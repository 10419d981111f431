// The main window's rules, with a scripted platform: start-up, opening songs, commands, the view.
#include "tests/app/WindowModelFixture.h"

namespace {
class MainWindowModelTest : public WindowModelTest {
  protected:
    MainWindowModelTest() { port.addFile("a.mid", oneNoteSong()); }
    void addSongFiles() {
        port.addFile("b.mid", oneNoteSong());
        port.addFile("empty.mid", {});
        const std::string text = "Set list for Sunday: scales first, then the two duets.\r\n";
        port.addFile("text.mid", std::vector<uint8_t>(text.begin(), text.end()));
        port.addFile("silent.mid", SmfWriter(1, 480).track(join({{0, 0xB0, 7, 100}, endOfTrack()})).bytes());
    }
};

// A window whose start went through before the test begins.
class StartedWindowModelTest : public MainWindowModelTest {
  protected:
    void SetUp() override { ASSERT_TRUE(startUp()); }
};
}  // namespace

TEST_F(MainWindowModelTest, AMissingOrWrongSkinFileEndsTheStartWithItsMessageAndABadBackgroundFallsBack) {
    const std::string missing = "が見つかりません\n初期の画像に戻します";
    const std::vector<uint8_t> small = encodeBmpFile(DibImage::create24(100, 100));
    const struct {
        std::string file;
        std::vector<uint8_t> bytes;  // empty: the file is missing
        std::string background;
        bool starts;
        Lines messages;
    } cases[] = {
        {"", {}, "Main.bmp", true, {}},
        {"Button.bmp", {}, "Main.bmp", false, {"Ｂｕｔｔｏｎ．ｂｍｐが見つかりません"}},
        {"", {}, "C:\\p\\gone.bmp", true, {"C:\\p\\gone.bmp " + missing}},
        // Ending the start here would end every later start, since the settings keep naming it.
        {"C:\\p\\small.bmp", small, "C:\\p\\small.bmp", true, {"背景画像の読み込みに失敗しました"}},
        {"Main.bmp", {}, "Main.bmp", false, {"Main.bmp " + missing, "Main.bmp が見つかりません。終了します"}},
        {"Main.bmp", small, "Main.bmp", false, {"背景画像の読み込みに失敗しました"}},
        {"Mask.bmp", {}, "Main.bmp", false, {"Ｍａｓｋ．ｂｍｐが見つかりません"}},
        {"Mask.bmp", small, "Main.bmp", false, {"Ｍａｓｋ．ｂｍｐ読み込みエラー"}},
        {"Button.bmp", small, "Main.bmp", false, {"Ｂｕｔｔｏｎ．ｂｍｐ読み込みエラー"}},
    };
    const auto intact = port.files;
    for (const auto& c : cases) {
        port.files = intact;
        port.messages.clear();
        if (c.bytes.empty())
            port.files.erase(c.file);
        else
            port.addFile(c.file, c.bytes);
        port.store.put(Settings::userKey, "BackBmp", "s:" + c.background);
        EXPECT_EQ(startUp(), c.starts) << c.file << " " << c.background;
        EXPECT_EQ(port.messages, c.messages);
        // Main.bmp stands in for this run only: the settings keep naming the chosen face.
        EXPECT_EQ(model.skin().backgroundPath(), c.background);
    }
    port.files = intact;
    port.addFile("C:\\p\\face.bmp",
                 encodeBmpFile(filledPicture(face::faceWidth, face::faceHeight, 0x123456)));
    port.store.put(Settings::userKey, "BackBmp", "s:C:\\p\\face.bmp");
    ASSERT_TRUE(startUp());
    EXPECT_EQ(model.skin().face().packedAt(0, 0), 0x123456u) << "a chosen face that reads is the face";
}

// The page keeps what the song was played with across its own reload and hands it back after the load.
TEST_F(StartedWindowModelTest, AReloadResetsTheCellsTheMasterVolumeAndSilencesWhatTheCellsHadSet) {
    openSongFile("a.mid");
    model.onCommand(IDM_EFFECT_FOLK);
    model.engine().player().startPlayback();
    for (int i = 0; i < 3; ++i) timer.tick();  // let the channel sound
    const int changed[] = {FaceState::volumeCell, FaceState::reverbCell, FaceState::chorusCell,
                           FaceState::autoPanCell};
    for (int column : changed) model.leftButtonDown(297 + 35 * column, 36);
    model.leftButtonDown(665, 32);  // solo
    clickCentre(face::volumeField.up.hot);
    clickCentre(face::transposeField.up.hot);
    const PlayingSettings kept = model.playingSettings();
    model.engine().player().stopPlayback(Player::userStop);
    out.clear();
    openSongFile("a.mid");
    EXPECT_EQ(std::tuple(model.face().channelCells[0], model.face().channelToggles[0][FaceState::soloToggle],
                         model.engine().controls().volumeFixed[0].load() ||
                             model.engine().controls().volumeAllFixed.load() ||
                             model.engine().controls().keyShiftActive.load(),
                         model.face().masterVolume),
              std::tuple(std::array<int, 5>{10, 0, 0, 0, 0}, false, false, 100));
    EXPECT_EQ(messageLines(out.messages(), 17), (Lines{"0 B0 5B 28", "0 B0 5D 00", "0 B0 0A 40"}))
        << "after the 17 of the load";
    out.clear();
    model.restorePlaying(kept);
    EXPECT_EQ(std::tuple(model.playingSettings().cells, model.face().masterVolume,
                         model.playingSettings().transpose, model.engine().controls().keyShiftActive.load()),
              std::tuple(kept.cells, kept.masterVolume, 1, true));
    // The cells as kept, then every channel's volume at the kept master volume of 110 %, from the base of 100
    // a load gives each channel.
    Lines sent{"0 B0 07 6E", "0 B0 5B 0A", "0 B0 5D 0A", "0 B0 07 79"};
    for (const char* channel : {"1", "2", "3", "4", "5", "6", "7", "8", "9", "A", "B", "C", "D", "E", "F"})
        sent.push_back(std::string("0 B") + channel + " 07 6E");
    EXPECT_EQ(messageLines(out.messages(), 0), sent);
    const uint8_t noteOn[] = {0x90, 60, 127};
    model.engine().liveInput().receive(noteOn, 3);
    EXPECT_EQ(RecordingMidiOut::formatLine(out.messages().back()), "0 90 39 7F")
        << "the keyboard's effect too";
}

// A 0-byte file, a text file renamed .mid (format 117, no events) and a song without a note load but leave
// nothing to hear, and a file gone cannot load: a song-list mode set on them would go from one to the next
// for ever.
TEST_F(StartedWindowModelTest, ASongListModePassesOverEntriesThatCannotPlayAndEndsWhenNoneCan) {
    const std::string gone = songReadFailureText(FileData::notFound);  // once picked, once tried
    const struct {
        int command;
        Lines list;
        Lines played;  // the songs heard in turn, up to three
        Lines messages;
        std::string historyTop;  // the entries it plays are not the user's choices: the history stays
    } cases[] = {
        {IDM_SONGS_LOOP, {"a.mid", "empty.mid", "b.mid"}, {"a.mid", "b.mid", "a.mid"}, {}, "1. b.mid"},
        {IDM_SONGS_FIRST, {"empty.mid", "a.mid"}, {"a.mid"}, {}, "1. a.mid"},
        {IDM_SONGS_LAST, {"a.mid", "empty.mid"}, {"a.mid"}, {}, "1. empty.mid"},
        {IDM_SONGS_LOOP, {"empty.mid", "empty.mid"}, {}, {"演奏できる曲がありません"}, "1. empty.mid"},
        {IDM_SONGS_LOOP, {"text.mid", "silent.mid"}, {}, {"演奏できる曲がありません"}, "1. silent.mid"},
        {IDM_SONGS_LOOP,
         {"gone.mid", "empty.mid"},
         {},
         {gone, gone, "演奏できる曲がありません"},
         "1. empty.mid"},
    };
    addSongFiles();
    for (const auto& c : cases) {
        port.messages.clear();
        for (const std::string& path : c.list) openSongFile(path);
        model.onCommand(c.command);
        Lines played;
        for (int tick = 0; tick < 1000 && played.size() < 3 && model.engine().player().playing(); ++tick) {
            if (played.empty() || played.back() != model.songs().currentPath())
                played.push_back(model.songs().currentPath());
            timer.tick();
            model.onTick();
        }
        EXPECT_EQ(std::tuple(played, port.messages, port.historyItems.at(0).label),
                  std::tuple(c.played, c.messages, c.historyTop))
            << c.command;
        EXPECT_TRUE(port.waitCursorShows > 0 && !port.waitCursor) << "shown while a file is read";
        if (model.engine().player().playing()) model.leftButtonDown(20, 460);  // stop
        EXPECT_EQ(port.screen.packedAt(face::noteLamp(0, 0).left, face::noteLamp(0, 0).top), 0u)
            << "lamps out";
        model.onCommand(IDM_SONGS_CLEAR);
    }
}

// "次の曲" and "前の曲" pass over entries that cannot play, go from the loaded song outside a song-list mode,
// stop at the list's ends and wrap round only in loop play.
TEST_F(StartedWindowModelTest, StepsPassOverEntriesThatCannotPlayAndWrapRoundOnlyInLoopPlay) {
    addSongFiles();
    for (const char* path : {"a.mid", "b.mid", "empty.mid", "silent.mid"}) openSongFile(path);
    Lines reached;
    for (int id : {IDM_SONGS_PREVIOUS, IDM_SONGS_PREVIOUS, IDM_SONGS_PREVIOUS, IDM_SONGS_NEXT, IDM_SONGS_LOOP,
                   IDM_SONGS_PREVIOUS}) {
        model.onCommand(id);
        reached.push_back(model.songs().currentPath());
    }
    EXPECT_EQ(reached, (Lines{"b.mid", "a.mid", "a.mid", "b.mid", "a.mid", "b.mid"}));
    EXPECT_TRUE(port.messages.empty());
    for (const char* path : {"a.mid", "b.mid"}) port.files.erase(path);
    model.onCommand(IDM_SONGS_NEXT);
    EXPECT_FALSE(model.menuItemState(IDM_SONGS_LOOP).checked) << "the loop ends with nothing left to play";
}

TEST_F(MainWindowModelTest, TheOpenDialogStartsWhereTheLastSongTheUserOpenedLiesHoweverItWasOpened) {
    port.store.put(Settings::folderKey, "ReadDir", "s:C:\\gone");
    ASSERT_TRUE(startUp());
    EXPECT_EQ(model.settings().songFolder(), "C:\\start") << "a kept folder that is gone gives way";
    for (const char* path : {"C:\\a\\one.mid", "C:\\b\\two.mid"}) port.addFile(path, oneNoteSong());
    model.openStartSong("C:\\a\\one.mid", false);
    EXPECT_EQ(model.settings().songFolder(), "C:\\a");
    openSongFile("C:\\b\\two.mid");
    // Kept at once, for the dialog's next start.
    EXPECT_EQ(port.store.stored(Settings::folderKey, "ReadDir"), "s:C:\\b");
    model.onCommand(port.historyItems.at(1).id);  // one.mid
    EXPECT_EQ(model.settings().songFolder(), "C:\\a");
    EXPECT_EQ(port.store.stored(Settings::folderKey, "ReadDir"), "s:C:\\a");
    port.nextChoice = std::nullopt, model.onCommand(IDM_FILE_OPEN);  // cancelled
    openSongFile("C:\\c\\gone.mid");  // picked, though it cannot be read: neither loaded nor in the history
    EXPECT_EQ(std::tuple(model.settings().songFolder(), port.waitCursor, model.songs().currentPath(),
                         port.historyItems.at(0).label.substr(3)),
              std::tuple(std::string("C:\\c"), false, std::string("C:\\a\\one.mid"),
                         std::string("C:\\a\\one.mid")));
}

// A lost device is told by whatever the window does next (a tick, a click, a start's song, the song list),
// once a playback and never in a second box over the first; help that cannot be opened says so, and a
// refused timer ends the program.
TEST_F(StartedWindowModelTest, ADeviceFailureIsShownAfterATickAClickOrAStartsSongAndMissingHelpSaysSo) {
    const std::function<void()> steps[] = {
        [&] { model.openStartSong("a.mid", false); }, [&] { model.onTick(); },
        [&] { model.leftButtonDown(0, 0); },          [&] { model.leftButtonUp(); },
        [&] { model.rightButtonDown(0, 0); },         [&] { model.mouseMove(0, 0); },
        [&] { model.dropFiles({"a.mid"}); },          [&] { model.captionDoubleClick(); },
        [&] { model.captionRightButton(true); },      [&] { model.songListAction({}, 0); }};
    size_t told = 0;
    for (const auto& step : steps) {
        failures.rearm(), failures.record(DeviceError::invalidHandle), step();
        EXPECT_EQ(port.messages.size(), ++told) << "told by the step itself";
    }
    int behind = 0;  // a tick behind the box, with the device failing again
    port.whileShowing = [&] {
        if (!behind++) failures.rearm(), failures.record(DeviceError::invalidHandle), model.onTick();
    };
    failures.rearm(), failures.record(DeviceError::invalidHandle), model.onTick();
    model.onCommand(IDM_HELP_SEARCH);
    timer.failNextStart = true;  // and a timer refused ends the program
    model.onCommand(IDM_HOTKEY_SPACE);
    const std::string lost = playbackFailureText(DeviceError::invalidHandle);
    EXPECT_EQ(port.messages, (Lines{lost, lost, lost, lost, lost, lost, lost, lost, lost, lost, lost,
                                    helpUnavailableText, lost, timerRefusedText}));
    EXPECT_EQ(port.closeRequests, 1);
}

// Which dropped files open or join the list is the drop's rule; here, that the window follows it.
TEST_F(StartedWindowModelTest, ADropOpensItsFirstFileAndListsItsSongsOnlyWhileStopped) {
    model.dropFiles({"a.mid", "b.mid", "c.txt"});
    EXPECT_EQ(port.store.stored(Settings::userKey, "SongList"), "s:a.mid|b.mid|");
    model.onCommand(IDM_HOTKEY_SPACE);  // the keys reach the face through the window's commands
    EXPECT_TRUE(model.engine().player().playing());
    clickCentre(face::tempoField.up.hot);  // held when the song starts again
    model.engine().player().stopPlayback(Player::userStop), model.engine().player().startPlayback();
    EXPECT_FALSE(model.holdsMouse());
    model.dropFiles({"b.mid", "c.mid"});
    EXPECT_EQ(
        std::tuple(model.windowTitle().substr(0, 5), model.engine().selection().songs.count(), port.messages),
        std::tuple(std::string("a.mid"), 2, Lines{}));
}

// What is written, and when, is the settings' own rule; here, that a start ended before the settings were
// read leaves the store alone, since what it would write are the defaults, not the user's settings. The
// saved keyboard opens once plugged in and closes with the window.
TEST_F(MainWindowModelTest, TheSettingsAreWrittenAtExitUnlessTheStartEndedBeforeReadingThem) {
    port.store.put(Settings::userKey, "MidiIn", "s:Keys C");
    ASSERT_TRUE(startUp());
    port.inputs.names.push_back("Keys C");
    model.midiInputsChanged();
    openSongFile("a.mid");
    model.engine().player().startPlayback();
    const int written = port.store.writes;
    model.onDestroy();
    EXPECT_GT(port.store.writes, written);
    EXPECT_EQ(std::pair(port.inputs.opened, port.inputs.closed), std::pair(std::vector<int>{3}, 1));
    EXPECT_FALSE(model.engine().player().playing()) << "the song ends with the window";

    ScriptedPlatform ended;
    MainWindowModel endedModel{ended.platform(), out, timer, ended.canvases, failures};
    EXPECT_FALSE(endedModel.loadSprites());       // no skin files
    endedModel.onCommand(IDM_BACKGROUND_CHANGE);  // and no mask to compose a face under: no picture asked for
    endedModel.onDestroy();
    EXPECT_TRUE(ended.store.storage.empty() && ended.pictureFolders.empty());
}

// Each view's caption names the song, and the face is painted again when the large view comes back.
TEST_F(StartedWindowModelTest, EachViewsCaptionNamesTheSongAndTheFaceIsRepaintedOnItsReturn) {
    openSongFile("a.mid");
    const std::string title = port.title;
    port.title.clear();
    model.onCommand(IDM_LARGE_VIEW);
    EXPECT_EQ(std::pair(port.title, port.largeView), std::pair(std::string("a.mid"), false))
        << "the compact caption has room for the name alone";
    const int painted = port.faceInvalidations;
    model.onCommand(IDM_LARGE_VIEW);
    EXPECT_EQ(std::pair(port.title, port.faceInvalidations), std::pair(title, painted + 1));
}

// The input's meters have a timer of their own, which draws only while no song plays, once a note was heard;
// the keyboard plays through an effect from the moment it is chosen.
TEST_F(StartedWindowModelTest, TheInputsMetersAreDrawnWhileNoSongPlaysOnceANoteWasHeard) {
    openSongFile("a.mid");
    model.onCommand(IDM_EFFECT_FOLK);
    const DibImage quiet = port.screen;
    model.liveMetersTick();
    EXPECT_EQ(port.screen.block(), quiet.block()) << "nothing heard";
    const uint8_t noteOn[] = {0x90, 60, 127};
    model.engine().liveInput().receive(noteOn, 3);
    EXPECT_EQ(RecordingMidiOut::formatLine(out.messages().back()), "0 90 38 7F");
    model.liveMetersTick();
    EXPECT_NE(port.screen.block(), quiet.block());
    model.openStartSong("a.mid", false);  // a new song takes the effect away from the keyboard as well
    model.engine().liveInput().receive(noteOn, 3);
    EXPECT_EQ(RecordingMidiOut::formatLine(out.messages().end()[-2]), "0 90 3C 7F");  // the last ends 38
    model.engine().player().startPlayback();  // while a song plays, its own ticks draw the meters
    model.engine().liveInput().receive(noteOn, 3);
    const DibImage playing = port.screen;
    model.liveMetersTick();
    EXPECT_EQ(port.screen.block(), playing.block());
}
