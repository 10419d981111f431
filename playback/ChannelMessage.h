#pragma once
#include <cstdint>

// One channel message as the sequencer hands it on: status 0x80-0xEF and two data bytes
// (data2 is 0 for program change and channel pressure, which carry one).
struct ChannelMessage {
    uint8_t status = 0;
    uint8_t data1 = 0;
    uint8_t data2 = 0;
};

// Where each due channel message of a playing song goes. The event filter implements it; it sends the
// message (or not) through the MIDI output itself.
class ChannelMessageSink {
  public:
    virtual ~ChannelMessageSink() = default;
    virtual void processChannelMessage(int track, const ChannelMessage& message) = 0;
    // A live track has been stepped through one timer period; runningStatus is its last channel status
    // (0 before its first). The automatic pan keeps its pace by these.
    virtual void trackPeriodEnded(uint8_t runningStatus) = 0;
    // Whether trackPeriodEnded with this running status would change nothing and send nothing.
    virtual bool periodEndIsIdle(uint8_t runningStatus) const = 0;
};
