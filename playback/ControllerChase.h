#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "playback/MessageBytes.h"
#include "playback/MidiOut.h"
#include "playback/MidiVocabulary.h"

// A device that sounds nothing and keeps the state the messages sent to it would leave in a real one: each
// channel's bank and program, controllers, registered and non-registered parameters, pitch bend and
// pressure, and the system exclusive messages since the last reset of the whole device. A jump plays the
// song silently into it, then replays that state to the real device, so what sounds after the jump sounds
// as it would have had the song played through. Window thread only (MidiDevice::capture feeds it). Notes are
// not kept: the jump starts with every note off.
class ControllerChase : public MidiOut {
  public:
    DeviceError sendShortMessage(uint8_t status, uint8_t data1, uint8_t data2) override;

    void clear();
    // The kept state to out, in two parts that a jump sends the user's own settings between: the system
    // exclusive messages in their order (which may reset the whole device), then channel by channel the bank
    // and program, the controllers, the parameters (the one selected last is selected again at the end) and
    // the pitch bend and pressure.
    void replaySysEx(MidiOut& out) const;
    void replayChannels(MidiOut& out) const;

  private:
    void deliverLongMessage(const uint8_t* bytes, size_t count) override;
    // A registered (CC 101/100) or non-registered (CC 99/98) parameter and its data entry (CC 6/38).
    struct Parameter {
        bool registered = true;
        uint8_t msb = 0;
        uint8_t lsb = 0;
        std::optional<uint8_t> dataMsb;
        std::optional<uint8_t> dataLsb;
    };
    struct Channel {
        std::array<std::optional<uint8_t>, 120> controllers{};  // not the parameter or data controllers
        std::optional<uint8_t> program;
        std::optional<uint16_t> pitchBend;
        std::optional<uint8_t> pressure;
        std::vector<Parameter> parameters;
        std::optional<Parameter> selected;  // data entry goes to it; its data is in parameters
    };

    void takeController(Channel& channel, uint8_t controller, uint8_t value);
    void dataEntry(Channel& channel, bool lsb, uint8_t value);
    void select(Channel& channel, bool registered, bool lsb, uint8_t value);
    static void replayChannel(const Channel& channel, int number, MidiOut& out);

    std::array<Channel, midi::channelCount> channels_{};
    std::vector<MessageBytes> sysEx_;
};
