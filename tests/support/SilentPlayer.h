#pragma once
#include "playback/Player.h"
#include "playback/VirtualTimer.h"

// A player whose device only counts what it is sent and whose window does nothing: for measuring the
// sequencer alone, with nothing allocated or stored along the way.
class CountingMidiOut : public MidiOut {
  public:
    int sendShortMessage(uint8_t, uint8_t, uint8_t) override { return ++sent, 0; }
    void sendLongMessage(const uint8_t*, size_t) override { ++sent; }
    long sent = 0;
};

class SilentPlayer : public ChannelMessageSink, public TickPoster, public PlayerHost {
  public:
    SilentPlayer() = default;
    SilentPlayer(const SilentPlayer&) = delete;
    SilentPlayer& operator=(const SilentPlayer&) = delete;

    // Plays until every track has ended; returns the timer periods it took.
    int playToEnd() {
        int ticks = 0;
        while (!sequencer.songEnded()) {
            timer.tick();
            sequencer.takeTickReport();
            ++ticks;
        }
        return ticks;
    }

    SongBuffer song;
    CountingMidiOut out;
    LiveControls controls;
    ShortMessageFailures failures;
    VirtualTimer timer;
    Sequencer sequencer{song, out, *this, controls, *this};
    Player player{song, sequencer, out, timer, *this, failures};

  private:
    void processChannelMessage(int, const ChannelMessage& m) override {
        out.sendShortMessage(m.status, m.data1, m.data2);
    }
    void postTick() override {}
    void resetForPlayback() override {}
    void drawPlayButton(bool) override {}
    void drawFastForwardButton(bool) override {}
    void blankMetersAndLamps() override {}
    void timerFailed() override {}
    void openNextSongListEntry() override {}
};
