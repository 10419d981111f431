#pragma once
#include <cstddef>
#include <cstdint>

#include "playback/DeviceError.h"

// The program's one connection to a MIDI output. Everything the program sends goes through these two calls:
// the winmm device in the program, a recording device in the tests and the renderer, a silent one for
// "/out:null" and the benchmarks.
class MidiOut {
  public:
    virtual ~MidiOut() = default;

    // Sends status | data1 << 8 | data2 << 16.
    virtual DeviceError sendShortMessage(uint8_t status, uint8_t data1, uint8_t data2) = 0;

    // Sends a system exclusive message, starting with its F0 or F7. An empty one, or one longer than the
    // device buffer (longMessageCapacity bytes), is not sent: a cut-off SysEx would leave the device
    // mid-message. Checked here, once, so that every output refuses the same messages and a recording
    // holds what a device would have received.
    void sendLongMessage(const uint8_t* bytes, size_t count) {
        if (count == 0 || count > longMessageCapacity) return;
        deliverLongMessage(bytes, count);
    }

    static constexpr size_t longMessageCapacity = 1024;

  protected:
    // A message sendLongMessage accepted, 1..longMessageCapacity bytes.
    virtual void deliverLongMessage(const uint8_t* bytes, size_t count) = 0;
};
