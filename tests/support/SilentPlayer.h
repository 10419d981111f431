#pragma once
#include "tests/support/VirtualPlayer.h"

// A device that only counts what it is sent.
class CountingMidiOut : public MidiOut {
  public:
    int sendShortMessage(uint8_t, uint8_t, uint8_t) override { return ++sent, 0; }
    void sendLongMessage(const uint8_t*, size_t) override { ++sent; }
    long sent = 0;
};

// A player for measuring the sequencer alone, with nothing allocated or stored along the way.
class SilentPlayer : public VirtualPlayer<CountingMidiOut> {
  public:
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
};
