#pragma once
#include "playback/MidiOut.h"

// A device that sends nothing and only counts what it was given: the output of "/out:null",
// the benchmarks and the tests that care about nothing the device hears.
class SilentMidiOut : public MidiOut {
  public:
    DeviceError sendShortMessage(uint8_t, uint8_t, uint8_t) override {
        ++sent;
        return DeviceError::none;
    }
    long sent = 0;

  protected:
    void deliverLongMessage(const uint8_t*, size_t) override { ++sent; }
};
