// The main window's rules, with a scripted platform: start-up, opening songs, commands, the view.
#include "tests/app/WindowModelFixture.h"

namespace {
std::vector<uint8_t> bmpOf(int width, int height) {
    return encodeBmpFile(DibImage::create24(width, height));
}

class MainWindowModelTest : public WindowModelTest {};
}  // namespace

TEST_F(MainWindowModelTest, AMissingOrWrongSkinFileEndsTheStartWithItsMessageAndABadBackgroundFallsBack) {
    const std::string missing = "が見つかりません\n初期の画像に戻します";
    const struct {
        std::string file;
        std::vector<uint8_t> bytes;  // empty: the file is missing
        std::string background;
        bool starts;
        Lines messages;
    } cases[] = {
        {"", {}, "Main.bmp", true, {}},
        {"Button.bmp", {}, "Main.bmp", false, {"Ｂｕｔｔｏｎ．ｂｍｐが見つかりません"}},
        {"Button.bmp", bmpOf(117, 213), "Main.bmp", false, {"Ｂｕｔｔｏｎ．ｂｍｐ読み込みエラー"}},
        {"Mask.bmp", {}, "Main.bmp", false, {"Ｍａｓｋ．ｂｍｐが見つかりません"}},
        {"Mask.bmp", bmpOf(788, 541), "Main.bmp", false, {"Ｍａｓｋ．ｂｍｐ読み込みエラー"}},
        {"", {}, "C:\\p\\gone.bmp", true, {"C:\\p\\gone.bmp " + missing}},
        // Ending the start here would end every later start, since the settings keep naming it.
        {"C:\\p\\small.bmp", bmpOf(100, 100), "C:\\p\\small.bmp", true, {"背景画像の読み込みに失敗しました"}},
        {"Main.bmp", {}, "Main.bmp", false, {"Main.bmp " + missing, "Main.bmp が見つかりません。終了します"}},
        {"Main.bmp", std::vector<uint8_t>(1000, 0), "Main.bmp", false, {"背景画像の読み込みに失敗しました"}},
    };
    const auto intact = port.files;
    for (const auto& c : cases) {
        port.files = intact;
        port.messages.clear();
        if (c.bytes.empty())
            port.files.erase(c.file);
        else
            port.addFile(c.file, c.bytes);
        port.store.put(Settings::userKey, "BackBmp", c.background);
        EXPECT_EQ(startUp(), c.starts) << c.file << " " << c.background;
        EXPECT_EQ(port.messages, c.messages);
        // Main.bmp stands in for this run only: the settings keep naming the chosen face.
        EXPECT_EQ(model.skin().backgroundPath(), c.background);
    }
}

TEST_F(MainWindowModelTest, OpeningASongShowsItsDetailsInTheLargeViewsTitleAndAFailedOpenKeepsIt) {
    ASSERT_TRUE(startUp());
    port.addFile("C:\\songs\\a.mid", oneNoteSong());
    openSongFile("C:\\songs\\a.mid");
    EXPECT_EQ(port.songFilter, "ＭＩＤＩファイル(*.mid)|*.mid|");
    const std::string title =
        "C:\\songs\\a.mid  (" + std::to_string(oneNoteSong().size()) + " バイト:フォーマット=1:トラック数=1)";
    EXPECT_EQ(port.title, title);

    out.clear();
    port.nextChoice.reset();
    model.onCommand(IDM_FILE_OPEN);  // cancelled
    openSongFile("missing.mid");
    port.files["locked.mid"] = {FileData::readError, {}};
    openSongFile("locked.mid");
    EXPECT_EQ(port.messages, (Lines{"ファイルが見つかりません", "File Read Error"}));
    EXPECT_EQ(port.title, title);
    EXPECT_EQ(model.songs().currentPath(), "C:\\songs\\a.mid");
    EXPECT_TRUE(out.messages().empty());  // the device was not touched

    model.onCommand(IDM_LARGE_VIEW);  // the compact view drops the details
    EXPECT_FALSE(port.large);
    EXPECT_EQ(port.title, "C:\\songs\\a.mid");
    model.onCommand(IDM_LARGE_VIEW);
    EXPECT_TRUE(port.large);
    EXPECT_EQ(port.title, title);
}

// Once per playback is the failures' own rule; the model shows what they hold after a tick and, while
// stopped (no ticks), after each command, after the command's own message.
TEST_F(MainWindowModelTest, DeviceFailuresShowAfterATickOrACommand) {
    ASSERT_TRUE(startUp());
    failures.record(DeviceError::invalidHandle);
    model.onTick();
    EXPECT_EQ(port.messages, Lines{"指定されたデバイスハンドルが無効です"});

    failures.rearm();
    failures.record(DeviceError::notReady);
    model.engine().selection().mode = SongSelection::loopSongs;
    model.onCommand(IDM_PLAY_ONCE);
    EXPECT_EQ(port.messages, (Lines{"指定されたデバイスハンドルが無効です", "循環再生中は使用できません",
                                    "ハードウェアはほかのデータ処理を行っています"}));
}

// The cells a reload puts back are no longer fixed, so a full paint shows the face's own picture there;
// what the window repaints of them must show the same, not the values they had.
TEST_F(MainWindowModelTest, AReloadResetsTheCellsSilencesWhatTheyHadSetAndRepaintsThemAsAFullPaintShowsThem) {
    port.addFile("Button.bmp", encodeBmpFile(filledPicture(116, 213, packColour(255, 255, 255))));
    ASSERT_TRUE(startUp());
    port.addFile("a.mid", oneNoteSong());
    openSongFile("a.mid");
    model.engine().player().startPlayback();
    for (int i = 0; i < 3; ++i) timer.tick();  // let the channel sound
    const int changed[] = {FaceState::volumeCell, FaceState::reverbCell, FaceState::autoPanCell};
    for (int column : changed) model.leftButtonDown(297 + 35 * column, 36);
    model.rightButtonDown(297, 36);  // the volume cell down twice: 8
    model.rightButtonDown(297, 36);
    model.leftButtonDown(665, 32);  // solo
    clickCentre(face::volumeField.down.hot);
    openSongFile("a.mid");  // ignored while playing
    EXPECT_TRUE(model.face().channelToggles[0][FaceState::soloToggle]);
    model.engine().player().stopPlayback(Player::userStop);
    port.invalidated.clear();
    out.clear();
    openSongFile("a.mid");
    EXPECT_EQ(model.face().channelCells[0], (std::array<int, 5>{10, 0, 0, 0, 0}));
    EXPECT_FALSE(model.face().channelToggles[0][FaceState::soloToggle]);
    EXPECT_EQ(model.face().masterVolume, 100);
    ASSERT_EQ(out.messages().size(), 19u);  // after the 17 of the load
    EXPECT_EQ(RecordingMidiOut::formatLine(out.messages()[17]), "0 B0 5B 28");
    EXPECT_EQ(RecordingMidiOut::formatLine(out.messages()[18]), "0 B0 0A 40");

    // What the window does with the invalidated areas: paints them as a full paint would.
    DibImage fullPaint = DibImage::create24(788, 540);
    std::vector<DrawnText> texts;
    DibCanvas canvas(fullPaint, texts);
    model.paint(canvas);
    for (const face::Rect& area : port.invalidated)
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x)
                port.screen.setPackedAt(x, y, fullPaint.packedAt(x, y));
    for (int column : changed) {
        const face::Rect glyph = face::cellGlyphRect(0, column);
        for (int y = glyph.top; y < glyph.bottom; ++y)
            for (int x = glyph.left; x < glyph.right; ++x)
                ASSERT_EQ(port.screen.packedAt(x, y), fullPaint.packedAt(x, y))
                    << column << ": " << x << "," << y;
    }
}

// The order of the entries and the menu's refusals are the song list's own; here, that the end of a song
// opens the next entry from the files, leaving the history alone.
TEST_F(MainWindowModelTest, LoopPlayOpensTheNextEntryAtTheEndOfEachSong) {
    ASSERT_TRUE(startUp());
    for (const char* path : {"a.mid", "b.mid"}) {
        port.addFile(path, oneNoteSong());
        openSongFile(path);
    }
    model.onCommand(IDM_SONGS_LOOP);
    Lines played = {model.songs().currentPath()};
    for (int tick = 0; tick < 1000 && played.size() < 3; ++tick) {
        timer.tick();
        model.onTick();
        if (played.back() != model.songs().currentPath()) played.push_back(model.songs().currentPath());
    }
    EXPECT_EQ(played, (Lines{"a.mid", "b.mid", "a.mid"}));
    EXPECT_TRUE(model.engine().player().playing());
    EXPECT_TRUE(port.messages.empty());
    ASSERT_EQ(port.historyItems.size(), 2u);
    EXPECT_EQ(port.historyItems[0].label, "1. b.mid");
}

// A 0-byte file loads but leaves nothing to play: a song-list mode set on it would never end.
TEST_F(MainWindowModelTest, ASongListModePassesOverEntriesThatCannotPlayAndEndsWhenNoneCan) {
    const struct {
        int command;
        Lines list;
        Lines played;  // the songs heard in turn, up to three
        Lines messages;
    } cases[] = {
        {IDM_SONGS_LOOP, {"a.mid", "empty.mid", "b.mid"}, {"a.mid", "b.mid", "a.mid"}, {}},
        {IDM_SONGS_FIRST, {"empty.mid", "a.mid"}, {"a.mid"}, {}},
        {IDM_SONGS_LAST, {"a.mid", "empty.mid"}, {"a.mid"}, {}},
        {IDM_SONGS_LOOP, {"empty.mid", "empty.mid"}, {}, {"演奏できる曲がありません"}},
    };
    ASSERT_TRUE(startUp());
    port.addFile("a.mid", oneNoteSong());
    port.addFile("b.mid", oneNoteSong());
    port.addFile("empty.mid", {});
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
        EXPECT_EQ(played, c.played) << c.command;
        EXPECT_EQ(port.messages, c.messages);
        if (model.engine().player().playing()) model.leftButtonDown(20, 460);  // stop
        // Nothing is left that the user cannot leave: the list can be cleared again.
        port.messages.clear();
        model.onCommand(IDM_SONGS_CLEAR);
        EXPECT_EQ(port.messages, Lines{"曲バッファを初期化しました"}) << c.command;
    }
}

TEST_F(MainWindowModelTest, AFirstRunWritesTheDefaultsOnceAtExitAndAStartEndedEarlierWritesNothing) {
    port.historyItems = {{IDM_HISTORY_FIRST, "placeholder"}};
    ASSERT_TRUE(startUp());
    EXPECT_TRUE(port.historyItems.empty());  // the menu's placeholders are replaced by no items
    EXPECT_FALSE(model.menuItemState(IDM_HISTORY_CLEAR).enabled);
    const int written = port.store.writes;
    model.prepareToClose();
    model.onDestroy();
    // three folders, six history slots, the module, the face, the MIDI output and input, the song list
    EXPECT_EQ(port.store.writes, written + 14);

    ScriptedPlatform ended;
    MainWindowModel endedModel{ended.ports(), out, timer, ended, ended.canvases, failures};
    EXPECT_FALSE(endedModel.loadSprites());  // no skin files: the start ends before the settings are read
    endedModel.onDestroy();
    EXPECT_TRUE(ended.store.values.empty());
}

TEST_F(MainWindowModelTest, AFolderOfMidiFilesThatIsGoneLeavesTheStartFolderCurrentAndWritesIt) {
    port.store.put(Settings::folderKey, "ReadDir", "E:\\gone");
    ASSERT_TRUE(startUp());
    EXPECT_EQ(port.folder, "C:\\start");
    model.onDestroy();
    EXPECT_EQ(port.store.values.at({Settings::folderKey, "ReadDir"}),
              MemorySettingsStore::Value("C:\\start"));
}

TEST_F(MainWindowModelTest, TheOpenDialogStartsInTheSongFolderAndTheFolderAndHistoryAreKeptOnceChosen) {
    port.folders.insert("D:\\music");
    port.store.put(Settings::folderKey, "ReadDir", "D:\\music");
    ASSERT_TRUE(startUp());
    port.addFile("E:\\songs\\a.mid", oneNoteSong());
    openSongFile("E:\\songs\\a.mid");
    port.nextChoice = std::nullopt;
    model.onCommand(IDM_FILE_OPEN);
    EXPECT_EQ(port.songFolders, (Lines{"D:\\music", "E:\\songs"}));
    // Written before the window goes, so a crash does not lose them.
    const auto stored = [&](const char* key, const char* name) { return port.store.values.at({key, name}); };
    EXPECT_EQ(stored(Settings::folderKey, "ReadDir"), MemorySettingsStore::Value("E:\\songs"));
    EXPECT_EQ(stored(Settings::historyKey, "Mru1"), MemorySettingsStore::Value("E:\\songs\\a.mid"));
    ASSERT_EQ(port.historyItems.size(), 1u);
    EXPECT_EQ(port.historyItems[0].label, "1. a.mid");  // named alone in the song folder it lies in
}

TEST_F(MainWindowModelTest, EachLoadStartsTheEffectOverButKeepsThePitchDrawing) {
    ASSERT_TRUE(startUp());
    port.addFile("a.mid", oneNoteSong());
    openSongFile("a.mid");
    model.onCommand(IDM_EFFECT_FOLK);
    EXPECT_TRUE(model.menuItemState(IDM_EFFECT_FOLK).checked);

    EffectSettings& effect = model.engine().effect();
    effect.window = {5, 50};
    effect.keySignature = {1, 3};
    effect.pitchMap.entries[2] = 4;
    openSongFile("a.mid");
    EXPECT_EQ(effect.type, EffectType::none);
    EXPECT_EQ(effect.window.start, 0);
    EXPECT_EQ(effect.window.end, 3599);
    EXPECT_EQ(effect.keySignature.sign, 0);
    EXPECT_EQ(effect.pitchMap.entries[2], 4);  // the drawing is kept for the whole run
    EXPECT_TRUE(model.menuItemState(IDM_EFFECT_NONE).checked);
    EXPECT_FALSE(model.menuItemState(IDM_EFFECT_FOLK).checked);
}
