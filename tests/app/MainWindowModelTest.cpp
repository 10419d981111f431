// The main window's rules, with a scripted platform: start-up, opening songs, commands, the view.
#include <gtest/gtest.h>

#include <map>

#include "app/CommandIds.h"
#include "app/DibCanvas.h"
#include "app/MainWindowModel.h"
#include "playback/RecordingMidiOut.h"
#include "playback/VirtualTimer.h"
#include "tests/support/SongBytes.h"

namespace {
using Lines = std::vector<std::string>;

class ScriptedPort : public WindowPort, public TickPoster {
  public:
    void addFile(const std::string& path, std::vector<uint8_t> bytes) {
        files[path] = {FileData::ok, std::move(bytes)};
    }
    void showMessage(const std::string& text) override { messages.push_back(text); }
    std::optional<std::string> chooseSongFile(const std::string&) override { return nextChoice; }
    FileData readFile(const std::string& path) override {
        const auto found = files.find(path);
        return found == files.end() ? FileData{} : found->second;
    }
    std::optional<std::string> findSkinFile(const std::string& name) override {
        return files.count(name) ? std::optional<std::string>(name) : std::nullopt;
    }
    void setTitle(const std::string& text) override { title = text; }
    void setWaitCursor(bool) override {}
    void postClose() override { closePosted = true; }
    void resizeForView(bool largeView) override { large = largeView; }
    void invalidateFace() override {}
    void postTick() override {}

    std::map<std::string, FileData> files;
    std::optional<std::string> nextChoice;
    Lines messages;
    std::string title = "Velmira";
    bool closePosted = false;
    bool large = true;
    DibImage screen = DibImage::create24(788, 540);
    DibCanvasSource canvases{screen};
};

std::vector<uint8_t> bmpOf(int width, int height) {
    return encodeBmpFile(DibImage::create24(width, height));
}

std::vector<uint8_t> song(uint32_t endDelta = 0) {
    return SongBytes(1, 480)
        .track(join({{0x00, 0x90, 60, 100, 0x83, 0x60, 0x80, 60, 0}, endOfTrack(endDelta)}))
        .bytes();
}

class MainWindowModelTest : public testing::Test {
  protected:
    MainWindowModelTest() {
        port.addFile("Button.bmp", bmpOf(116, 213));
        port.addFile("Mask.bmp", bmpOf(788, 540));
        port.addFile("Main.bmp", bmpOf(788, 540));
    }
    bool startUp() { return model.loadSprites() && model.loadFace(); }
    void openSongFile(const std::string& path) {
        port.nextChoice = path;
        model.onCommand(IDM_FILE_OPEN);
    }
    ScriptedPort port;
    RecordingMidiOut out;
    VirtualTimer timer;
    ShortMessageFailures failures;
    MainWindowModel model{port, out, timer, port, port.canvases, failures};
};
}  // namespace

TEST_F(MainWindowModelTest, AMissingOrWrongSkinFileEndsTheStartWithItsMessage) {
    EXPECT_TRUE(startUp());
    EXPECT_TRUE(port.messages.empty());
    const struct {
        std::string file;
        std::vector<uint8_t> bytes;  // empty: the file is missing
        std::string message;
    } cases[] = {
        {"Button.bmp", {}, "Ｂｕｔｔｏｎ．ｂｍｐが見つかりません"},
        {"Button.bmp", bmpOf(117, 213), "Ｂｕｔｔｏｎ．ｂｍｐ読み込みエラー"},
        {"Mask.bmp", {}, "Ｍａｓｋ．ｂｍｐが見つかりません"},
        {"Mask.bmp", bmpOf(788, 541), "Ｍａｓｋ．ｂｍｐ読み込みエラー"},
    };
    const auto intact = port.files;
    for (const auto& broken : cases) {
        port.files = intact;
        port.messages.clear();
        if (broken.bytes.empty())
            port.files.erase(broken.file);
        else
            port.addFile(broken.file, broken.bytes);
        EXPECT_FALSE(model.loadSprites()) << broken.message;
        EXPECT_EQ(port.messages, Lines{broken.message});
    }
}

TEST_F(MainWindowModelTest, AMissingOrUnreadableBackgroundFallsBackToTheDefaultFace) {
    port.addFile("C:\\pictures\\small.bmp", bmpOf(100, 100));
    const std::pair<std::string, std::string> cases[] = {
        {"C:\\pictures\\gone.bmp", "C:\\pictures\\gone.bmp が見つかりません\n初期の画像に戻します"},
        // Ending the start here would end every later start, since the settings keep naming it.
        {"C:\\pictures\\small.bmp", "背景画像の読み込みに失敗しました"}};
    ASSERT_TRUE(model.loadSprites());
    for (const auto& [path, message] : cases) {
        port.messages.clear();
        model.setBackgroundPath(path);
        EXPECT_TRUE(model.loadFace()) << path;
        EXPECT_EQ(port.messages, Lines{message});
        EXPECT_EQ(model.backgroundPath(), "Main.bmp");
    }
}

TEST_F(MainWindowModelTest, WithoutAReadableMainBmpTheStartEnds) {
    port.files.erase("Main.bmp");
    EXPECT_FALSE(startUp());
    EXPECT_EQ(port.messages, (Lines{"Main.bmp が見つかりません\n初期の画像に戻します",
                                    "Main.bmp が見つかりません。終了します"}));
    port.messages.clear();
    port.addFile("Main.bmp", bmpOf(788, 540));
    port.files["Main.bmp"].bytes.resize(1000);  // cut short
    EXPECT_FALSE(model.loadFace());
    EXPECT_EQ(port.messages, Lines{"背景画像の読み込みに失敗しました"});
}

TEST_F(MainWindowModelTest, OpeningASongShowsItsDetailsAndAFailedOpenKeepsIt) {
    ASSERT_TRUE(startUp());
    port.addFile("C:\\songs\\a.mid", song());
    openSongFile("C:\\songs\\a.mid");
    EXPECT_TRUE(model.face().songLoaded);
    const std::string title =
        "C:\\songs\\a.mid  (" + std::to_string(song().size()) + " バイト:フォーマット=1:トラック数=1)";
    EXPECT_EQ(port.title, title);
    ASSERT_EQ(out.messages().size(), 17u);
    EXPECT_EQ(RecordingMidiOut::formatLine(out.messages()[16]), "0 F0 41 10 42 12 40 00 7F 00 41 F7");

    out.clear();
    port.nextChoice.reset();
    model.onCommand(IDM_FILE_OPEN);  // cancelled
    openSongFile("missing.mid");
    port.files["locked.mid"] = {FileData::readError, {}};
    openSongFile("locked.mid");
    EXPECT_EQ(port.messages, (Lines{"ファイルが見つかりません", "File Read Error"}));
    EXPECT_EQ(port.title, title);
    EXPECT_EQ(model.currentPath(), "C:\\songs\\a.mid");
    EXPECT_TRUE(out.messages().empty());  // the device was not touched
}

TEST_F(MainWindowModelTest, LoadingASongResetsTheCellsAndSilencesWhatTheyHadSet) {
    ASSERT_TRUE(startUp());
    port.addFile("a.mid", song());
    openSongFile("a.mid");
    model.player().startPlayback();
    // Let the channel sound, then set its reverb and auto-pan cells and solo it.
    for (int i = 0; i < 3; ++i) timer.tick();
    model.controls().leftButtonDown(297 + 35, 36);      // reverb cell of channel 1 up
    model.controls().leftButtonDown(297 + 35 * 4, 36);  // auto-pan cell up
    model.controls().leftButtonDown(665, 32);           // solo
    model.player().stopPlayback(Player::userStop);
    out.clear();

    openSongFile("a.mid");
    EXPECT_EQ(model.face().channelCells[0][FaceState::reverbCell], 0);
    EXPECT_EQ(model.face().channelCells[0][FaceState::autoPanCell], 0);
    EXPECT_FALSE(model.face().channelToggles[0][FaceState::soloToggle]);
    ASSERT_EQ(out.messages().size(), 19u);  // after the 17 of the load
    EXPECT_EQ(RecordingMidiOut::formatLine(out.messages()[17]), "0 B0 5B 28");
    EXPECT_EQ(RecordingMidiOut::formatLine(out.messages()[18]), "0 B0 0A 40");
}

TEST_F(MainWindowModelTest, WhilePlayingOpenIsIgnoredAndClosingStopsPlayback) {
    ASSERT_TRUE(startUp());
    port.addFile("a.mid", song(48000));
    port.addFile("b.mid", song());
    openSongFile("a.mid");
    model.player().startPlayback();
    openSongFile("b.mid");
    EXPECT_EQ(model.currentPath(), "a.mid");
    model.onCommand(IDM_APP_EXIT);
    EXPECT_TRUE(port.closePosted);
    EXPECT_TRUE(model.prepareToClose());
    EXPECT_FALSE(model.player().playing());
}

TEST_F(MainWindowModelTest, PlayOnceTogglesExceptInLoopMode) {
    EXPECT_TRUE(model.menuItemState(IDM_PLAY_ONCE).checked);
    model.onCommand(IDM_PLAY_ONCE);
    EXPECT_FALSE(model.menuItemState(IDM_PLAY_ONCE).checked);
    model.player().songListMode = Player::loopSongs;
    model.onCommand(IDM_PLAY_ONCE);
    EXPECT_FALSE(model.menuItemState(IDM_PLAY_ONCE).checked);
    EXPECT_EQ(port.messages, Lines{"循環再生中は使用できません"});
}

TEST_F(MainWindowModelTest, TheCompactViewDropsTheDetailsFromTheTitle) {
    ASSERT_TRUE(startUp());
    EXPECT_TRUE(model.menuItemState(IDM_LARGE_VIEW).checked);
    model.onCommand(IDM_LARGE_VIEW);
    EXPECT_FALSE(port.large);
    EXPECT_EQ(port.title, "Velmira");  // no song: the title stays
    model.onCommand(IDM_LARGE_VIEW);
    port.addFile("a.mid", song());
    openSongFile("a.mid");
    model.onCommand(IDM_LARGE_VIEW);
    EXPECT_EQ(port.title, "a.mid");
    model.onCommand(IDM_LARGE_VIEW);
    EXPECT_TRUE(port.large);
    EXPECT_NE(port.title.find("トラック数=1"), std::string::npos);
}

TEST_F(MainWindowModelTest, ALostDeviceIsReportedOnceByTheNextTickOrCommand) {
    ASSERT_TRUE(startUp());
    failures.record(5);
    model.onTick();
    failures.record(5);
    model.onTick();
    EXPECT_EQ(port.messages, Lines{"指定されたデバイスハンドルが無効です"});

    // While stopped there is no tick: a failure during a load or a stop shows after the command.
    ShortMessageFailures stoppedFailures;
    MainWindowModel stopped(port, out, timer, port, port.canvases, stoppedFailures);
    port.messages.clear();
    stoppedFailures.record(67);
    stopped.onCommand(IDM_PLAY_ONCE);
    EXPECT_EQ(port.messages, Lines{"ハードウェアはほかのデータ処理を行っています"});
}
