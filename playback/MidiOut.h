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

    // Sends a system exclusive message, starting with its F0 or F7. A message longer than the device
    // buffer (longMessageCapacity bytes) is not sent: a cut-off SysEx would leave the device mid-message.
    virtual void sendLongMessage(const uint8_t* bytes, size_t count) = 0;

    static constexpr size_t longMessageCapacity = 1024;
};
