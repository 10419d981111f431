#pragma once
#include "playback/SilentMidiOut.h"
#include "tests/support/VirtualPlayer.h"

// A player for measuring the sequencer alone, with nothing allocated or stored along the way.
class SilentPlayer : public VirtualPlayer<SilentMidiOut> {
  public:
    // Plays until every track has ended; returns the timer periods it took.
    int playToEnd() {
        int ticks = 0;
        for (; !sequencer.songEnded(); ++ticks) {
            timer.tick();
            sequencer.takeTickReport();
        }
        return ticks;
    }
};
