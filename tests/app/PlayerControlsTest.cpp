// The jump commands and the song list's next and previous, through the window's rules: what each moves to,
// and when each is ignored.
#include "app/FaceLayout.h"
#include "app/HotKeys.h"
#include "tests/app/WindowModelFixture.h"

namespace {
// Thirty seconds of one note a second on channel 1.
std::vector<uint8_t> halfMinuteSong() {
    SmfTrack track;
    track.tempo(0, 500000);
    for (int second = 0; second < 30; ++second)
        track.shortMessage(0, 0x90, 60, 100).shortMessage(960, 0x80, 60, 0);
    return SmfWriter(1, 480).track(track.endOfTrack()).bytes();
}

class PlayerControlsTest : public WindowModelTest {
  protected:
    PlayerControlsTest() {
        startUp();
        for (const char* path : {"a.mid", "b.mid", "c.mid"}) port.addFile(path, halfMinuteSong());
    }
    void playFor(int seconds) {
        for (int tick = 0; tick < seconds * 100; ++tick) timer.tick();
        model.onTick();
    }
    int clock() { return model.engine().clock().playSeconds.load(); }
    bool playing() { return model.engine().player().playing(); }
    void pressKey(HotKey key) {
        for (const HotKeyBinding& binding : hotKeyBindings)
            if (binding.key == key) model.onCommand(binding.commandId);
    }
};
}  // namespace

TEST_F(PlayerControlsTest, EachJumpMovesThePlayingSongAndTheClockThere) {
    openSongFile("a.mid");
    pressKey(HotKey::ctrlRight);  // opened, but nothing plays yet
    EXPECT_FALSE(playing());
    EXPECT_EQ(clock(), 0);

    pressKey(HotKey::space);
    playFor(15);
    const struct {
        const char* what;
        std::function<void()> act;
        int clock;
    } steps[] = {
        {"Ctrl+Left", [&] { pressKey(HotKey::ctrlLeft); }, 5},
        {"Ctrl+Left near the start", [&] { pressKey(HotKey::ctrlLeft); }, 0},
        {"Ctrl+Right", [&] { pressKey(HotKey::ctrlRight); }, 10},
        {"the read-out, answered",
         [&] {
             port.timeAnswer = 21;
             clickCentre(face::timeReadoutHot);
         },
         21},
        {"the read-out, cancelled",
         [&] {
             port.timeAnswer.reset();
             clickCentre(face::timeReadoutHot);
         },
         21},
        {"Home", [&] { pressKey(HotKey::home); }, 0},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.what);
        step.act();
        EXPECT_EQ(clock(), step.clock);
        EXPECT_TRUE(playing());
    }
    EXPECT_EQ(port.timeQuestions, Lines(2, "再生位置を設定して下さい"));

    pressKey(HotKey::space);
    model.onCommand(IDM_EFFECT_KEY_SIGNATURE);
    model.effectDialogs().tryKeySignature({1, 1});  // the dialog's try plays the song beside it
    playFor(3);
    pressKey(HotKey::ctrlRight);
    EXPECT_EQ(clock(), 3);
}

TEST_F(PlayerControlsTest, NextAndPreviousFollowTheListAndWrapOnlyInLoopPlay) {
    for (const char* path : {"a.mid", "b.mid", "c.mid"}) openSongFile(path);
    model.onCommand(IDM_SONGS_NEXT);  // c.mid is the last entry and no loop plays
    EXPECT_EQ(model.windowTitle().substr(0, 5), "c.mid");
    pressKey(HotKey::ctrlPageUp);
    EXPECT_EQ(model.windowTitle().substr(0, 5), "b.mid");
    EXPECT_FALSE(playing());  // a stopped song stays stopped

    model.onCommand(IDM_SONGS_LOOP);  // plays a.mid
    model.onCommand(IDM_SONGS_PREVIOUS);
    EXPECT_EQ(model.windowTitle().substr(0, 5), "c.mid");
    pressKey(HotKey::ctrlPageDown);
    EXPECT_EQ(model.windowTitle().substr(0, 5), "a.mid");
    EXPECT_TRUE(playing());
    EXPECT_EQ(model.engine().selection().mode, SongSelection::loopSongs);
    EXPECT_TRUE(port.messages.empty());
}

TEST_F(PlayerControlsTest, NextWithOneSongSaysWhyAndNothingMovesBesideAnEffectDialog) {
    openSongFile("a.mid");
    model.onCommand(IDM_SONGS_NEXT);
    EXPECT_EQ(port.messages, Lines{"２曲以上で使用します"});
    openSongFile("b.mid");
    model.onCommand(IDM_EFFECT_KEY_SIGNATURE);
    model.onCommand(IDM_SONGS_PREVIOUS);
    EXPECT_EQ(model.windowTitle().substr(0, 5), "b.mid");
}
