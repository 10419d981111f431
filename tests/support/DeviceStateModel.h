#pragma once
#include <array>
#include <string>
#include <vector>

#include "playback/RecordingMidiOut.h"

// What a GS sound module holds on one channel, as the messages sent to it leave it. Written from the
// messages alone, apart from the program's own chase, so that each can check the other.
struct ChannelSetting {
    int program = 0, bank = 0;  // the bank a program change took
    int bankSelect = 0;         // CC 0, waiting for the next program change
    int volume = 100, pan = 64, expression = 127, modulation = 0, sustain = 0, reverb = 40, chorus = 0;
    int bendRange = 2, bend = 8192;
    int parameterMsb = 127, parameterLsb = 127;  // the registered parameter data entry goes to

    bool operator==(const ChannelSetting& other) const { return text() == other.text(); }
    std::string text() const;  // what sounds: the pending bank select and the parameter selection aside
};

// The device: every channel's setting, and the setting each sounding note-on met.
class DeviceStateModel {
  public:
    struct Note {
        long timeMs;
        std::string message;  // "90 3C 64"
        ChannelSetting setting;
        bool operator==(const Note& other) const {
            return timeMs == other.timeMs && message == other.message && setting == other.setting;
        }
    };

    explicit DeviceStateModel(const std::vector<RecordingMidiOut::Message>& messages);
    std::vector<Note> notes;

  private:
    void take(const RecordingMidiOut::Message& message);
    void controller(ChannelSetting& channel, int number, int value);
    std::array<ChannelSetting, 16> channels_{};
};

void PrintTo(const DeviceStateModel::Note& note, std::ostream* out);
