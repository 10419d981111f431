#pragma once
#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <vector>

#include "playback/MidiOut.h"

// A MIDI output that keeps everything sent to it, for tests that check what reached the device.
class RecordingMidiOut : public MidiOut {
  public:
    struct ShortMessage {
        uint8_t status;
        uint8_t data1;
        uint8_t data2;
        bool operator==(const ShortMessage& other) const {
            return status == other.status && data1 == other.data1 && data2 == other.data2;
        }
    };

    int sendShortMessage(uint8_t status, uint8_t data1, uint8_t data2) override;
    void sendLongMessage(const uint8_t* bytes, size_t count) override;

    std::vector<ShortMessage> shortMessages;
    std::vector<std::vector<uint8_t>> longMessages;
};

// Lets GoogleTest print a short message as "(90 3c 64)" in failure reports.
void PrintTo(const RecordingMidiOut::ShortMessage& message, std::ostream* out);
