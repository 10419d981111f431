// The timer thread must not allocate: a song plays from start to end with no call of operator new.
#include <gtest/gtest.h>

#include "playback/Player.h"
#include "playback/VirtualTimer.h"
#include "tests/support/AllocationCounter.h"
#include "tests/support/DenseSong.h"

namespace {
class CountingOut : public MidiOut {
  public:
    int sendShortMessage(uint8_t, uint8_t, uint8_t) override { return ++sent, 0; }
    void sendLongMessage(const uint8_t*, size_t) override { ++sent; }
    long sent = 0;
};

class PassThrough : public ChannelMessageSink, public TickPoster, public PlayerHost {
  public:
    explicit PassThrough(MidiOut& out) : out_(out) {}
    void processChannelMessage(int, const ChannelMessage& m) override {
        out_.sendShortMessage(m.status, m.data1, m.data2);
    }
    void postTick() override { ++ticks; }
    void resetForPlayback() override {}
    void drawPlayButton(bool) override {}
    void drawFastForwardButton(bool) override {}
    void blankMetersAndLamps() override {}
    void timerFailed() override {}
    void openNextSongListEntry() override {}
    long ticks = 0;

  private:
    MidiOut& out_;
};
}  // namespace

TEST(PlaybackAllocation, PlayingADenseSongAllocatesNothing) {
    SongBuffer song;
    CountingOut out;
    PassThrough window(out);
    LiveControls controls;
    controls.autoPanSpeed[3] = 12;
    Sequencer sequencer(song, out, window, controls, window);
    VirtualTimer timer;
    ShortMessageFailures failures;
    Player player(song, sequencer, out, timer, window, failures);
    player.loadSong(denseSong(32, 200));
    player.startPlayback();
    controls.channelLevel[3] = 90;

    const long before = allocationCount();
    int ticks = 0;
    while (!sequencer.songEnded() && ticks < 100000) {
        timer.tick();
        sequencer.takeTickReport();
        ++ticks;
    }
    const long during = allocationCount() - before;
    player.stopPlayback(Player::songFinished);

    EXPECT_TRUE(sequencer.songEnded() || !player.playing());
    EXPECT_GT(out.sent, 32 * 200 * 4);
    EXPECT_EQ(during, 0);
}
