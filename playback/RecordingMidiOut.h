#pragma once
#include <string>
#include <vector>

#include "playback/MessageBytes.h"
#include "playback/MidiOut.h"

// A MIDI output that keeps what it is sent, stamped with a time the caller sets: the device of the tests
// and of the command-line renderer.
class RecordingMidiOut : public MidiOut {
  public:
    struct Message {
        long timeMs = 0;
        MessageBytes bytes;
    };

    void setTime(long timeMs) { timeMs_ = timeMs; }
    // Room for this many messages, so that a long recording is not copied as it grows.
    void reserve(size_t count) { messages_.reserve(count); }
    DeviceError sendShortMessage(uint8_t status, uint8_t data1, uint8_t data2) override;
    void sendLongMessage(const uint8_t* bytes, size_t count) override;

    const std::vector<Message>& messages() const { return messages_; }
    void clear() { messages_.clear(); }

    // One message a line: the time, then the bytes in upper-case hex ("120 90 3C 64").
    static std::string formatLine(const Message& message);

  private:
    long timeMs_ = 0;
    std::vector<Message> messages_;
};
