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
    pressKey(HotKey::space);
    playFor(15);
    const struct {
        HotKey key;  // space: a click on the read-out, answered with timeAnswer
        std::optional<int32_t> timeAnswer;
        int clock;
    } steps[] = {{HotKey::ctrlLeft, {}, 5}, {HotKey::ctrlLeft, {}, 0}, {HotKey::ctrlRight, {}, 10},
                 {HotKey::space, 21, 21},   {HotKey::space, {}, 21},   {HotKey::home, {}, 0}};
    for (const auto& step : steps) {
        SCOPED_TRACE(int(step.key));
        port.timeAnswer = step.timeAnswer;
        step.key == HotKey::space ? clickCentre(face::timeReadoutHot) : pressKey(step.key);
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

// Where next and previous lead is the song list's rule; here, that they open the entry, keep a stopped
// song stopped and play on in loop play.
TEST_F(PlayerControlsTest, NextAndPreviousOpenTheEntryAndKeepPlayingOrStopped) {
    openSongFile("a.mid");
    model.onCommand(IDM_SONGS_NEXT);
    EXPECT_EQ(port.messages, Lines{"２曲以上で使用します"});
    for (const char* path : {"b.mid", "c.mid"}) openSongFile(path);
    pressKey(HotKey::ctrlPageUp);
    EXPECT_EQ(model.windowTitle().substr(0, 5), "b.mid");
    EXPECT_FALSE(playing());

    model.onCommand(IDM_SONGS_LOOP);  // plays a.mid
    model.onCommand(IDM_SONGS_PREVIOUS);
    EXPECT_EQ(model.windowTitle().substr(0, 5), "c.mid");
    pressKey(HotKey::ctrlPageDown);
    EXPECT_EQ(model.windowTitle().substr(0, 5), "a.mid");
    EXPECT_TRUE(playing());
}
