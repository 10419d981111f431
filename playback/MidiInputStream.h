#pragma once
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
