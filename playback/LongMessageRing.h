#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

#include "playback/MidiOut.h"

// What the ring asks of the device's own half: whether it has finished with a buffer, and to send one.
class LongMessagePort {
  public:
    virtual ~LongMessagePort() = default;
    // The device marks a buffer done from its own thread once the message has gone out.
    virtual bool doneWith(int buffer) const = 0;
    // Hands the first count bytes of the buffer to the device; false when the device refused them.
    virtual bool send(int buffer, size_t count) = 0;
};

// The system exclusive buffers of the output. A SysEx may still be going out when the next one is due, so
// the buffers rotate, and one is reused only once the device has said it is done with it. The timer thread
// sends SysEx too and must never wait for the device: a message finding every buffer still on its way out
// is dropped rather than overwrite one or stall playback. Callers serialise the calls.
class LongMessageRing {
  public:
    static constexpr int bufferCount = 4;

    uint8_t* data(int buffer) { return buffers_[size_t(buffer)].data(); }
    // Copies the message into the next buffer the device is done with and sends it; false when it was
    // dropped (empty, longer than a buffer, every buffer busy) or the device refused it.
    bool send(LongMessagePort& port, const uint8_t* bytes, size_t count);
    // A buffer handed to the device that it may not have finished with yet.
    bool sent(int buffer) const { return sent_[size_t(buffer)]; }
    // After the device has given every buffer back (at close).
    void forgetSent() { sent_.fill(false); }

  private:
    std::array<std::array<uint8_t, MidiOut::longMessageCapacity>, bufferCount> buffers_{};
    std::array<bool, bufferCount> sent_{};
    int next_ = 0;
};
