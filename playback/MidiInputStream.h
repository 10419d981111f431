#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>

#include "playback/ChannelMessage.h"

// Turns the bytes a MIDI input delivers into whole channel messages. A data byte without a status of its
// own continues the last channel status (running status); realtime bytes are dropped wherever they fall;
// system exclusive and system common messages are skipped, and end the running status. Whatever a broken
// device sends, the state stays these few bytes.
class MidiInputStream {
  public:
    // The message this byte completes, if any.
    std::optional<ChannelMessage> feed(uint8_t byte);

  private:
    uint8_t runningStatus_ = 0;  // 0: none, so data bytes are dropped
    uint8_t data_[2] = {};
    int dataCount_ = 0;
};

// How many bytes of a short message a driver hands over in one word start with this byte: a data byte first
// (a device in running status) takes the pair.
size_t shortMessageLength(uint8_t firstByte);

// Where the bytes of a MIDI input go (the engine's live input), from the thread they arrive on.
class MidiInputSink {
  public:
    virtual ~MidiInputSink() = default;
    virtual void receive(const uint8_t* bytes, size_t count) = 0;
};
