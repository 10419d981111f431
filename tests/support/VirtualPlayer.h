#pragma once
#include "effects/LiveControls.h"
#include "playback/Player.h"
#include "playback/Sequencer.h"
#include "playback/VirtualTimer.h"

// A player with everything around it made virtual: a device of the test's choice, a timer the test ticks,
// and a window that draws nothing. Channel messages pass to the device unchanged.
template <class Device>
class VirtualPlayer : public ChannelMessageSink, public TickPoster, public PlayerHost {
  public:
    SongBuffer song;
    Device out;
    LiveControls controls;
    ShortMessageFailures failures;
    VirtualTimer timer;
    Sequencer sequencer{song, out, *this, controls, *this};
    Player player{song, sequencer, out, timer, *this, failures};

  protected:
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
