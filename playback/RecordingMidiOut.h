#pragma once
#include <functional>
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

    const std::vector<Message>& messages() const { return messages_; }
    void clear() { messages_.clear(); }

    // Hands the messages to |take| each time |batch| of them have gathered, and forgets them, so that a
    // long recording is never held whole; handOver() passes on the rest.
    void streamTo(size_t batch, std::function<void(const std::vector<Message>&)> take);
    void handOver();
    // Every message received, those handed over included.
    size_t receivedCount() const { return handedOver_ + messages_.size(); }

    // One message a line: the time, then the bytes in upper-case hex ("120 90 3C 64").
    static std::string formatLine(const Message& message);

  private:
    void deliverLongMessage(const uint8_t* bytes, size_t count) override;
    void keep(const uint8_t* bytes, size_t count);

    long timeMs_ = 0;
    std::vector<Message> messages_;
    size_t batch_ = 0;
    std::function<void(const std::vector<Message>&)> take_;
    size_t handedOver_ = 0;
};
