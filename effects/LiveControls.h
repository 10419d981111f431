#pragma once
#include <array>
#include <atomic>
#include <cstdint>

#include "playback/MidiOut.h"
#include "playback/MidiVocabulary.h"

// The controls of the face that act on a playing song, and the read-outs the filter leaves for the face.
// The window thread writes the controls while the timer thread reads them (and the reverse for the
// read-outs), so every field is an atomic; relaxed order is enough because each value stands alone.
struct LiveControls {
    static constexpr int channelCount = midi::channelCount;
    static constexpr int noChannel = channelCount;
    static constexpr uint8_t notSounded = 0xFF;
    static constexpr int maxKeyShift = 12;

    template <typename T>
    using PerChannel = std::array<std::atomic<T>, channelCount>;

    std::atomic<int> keyShift{0};  // -maxKeyShift..maxKeyShift semitones
    std::atomic<bool> keyShiftActive{false};
    std::atomic<int> soloChannel{noChannel};
    PerChannel<bool> channelMuted{};
    std::atomic<int> octaveDoubleChannel{noChannel};

    std::atomic<bool> volumeAllFixed{false};  // the master volume fixes every channel's volume
    PerChannel<bool> volumeFixed{};
    PerChannel<uint8_t> volumeValue{};
    PerChannel<bool> reverbFixed{};
    PerChannel<uint8_t> reverbValue{};
    PerChannel<bool> chorusFixed{};
    PerChannel<uint8_t> chorusValue{};
    PerChannel<bool> modulationFixed{};
    PerChannel<uint8_t> modulationValue{};

    // Read-outs: velocity and pitch class of each channel's last sounding note; notSounded until then.
    PerChannel<uint8_t> channelLevel{};
    PerChannel<uint8_t> channelPitchClass{};
    // Whether the song has played a note-on on the channel since playback started, even one that solo or
    // mute silenced: the face's cells and toggles answer only on such channels, and a channel silenced
    // while it sounded must stay within reach.
    PerChannel<bool> channelPlayed{};

    // The controllers a channel's cells fix, in the order of the cells along the face's channel row (the
    // auto-pan speed's cell follows them): each one's number, whether it is fixed and the value it is fixed
    // at. A fixed value replaces the song's own and is sent again after a load or a jump.
    enum FixedCell { volumeCell = 0, reverbCell, chorusCell, modulationCell, fixedCellCount };
    struct FixedController {
        uint8_t number;
        PerChannel<bool> LiveControls::*fixed;
        PerChannel<uint8_t> LiveControls::*value;
    };
    static const std::array<FixedController, fixedCellCount> fixedControllers;

    LiveControls() { reset(); }

    // The cell's own flag, as the face marks it.
    bool cellFixed(int cell, int channel) const {
        return (this->*fixedControllers[size_t(cell)].fixed)[channel].load(std::memory_order_relaxed);
    }
    // Whether the cell's value replaces the song's: its own flag, or for the volume the master volume's.
    bool overrides(int cell, int channel) const;
    uint8_t fixedValue(int cell, int channel) const {
        return (this->*fixedControllers[size_t(cell)].value)[channel].load(std::memory_order_relaxed);
    }
    void fixCell(int cell, int channel, uint8_t value);
    // Each controller fixed on the channel, with its value, in the cells' order.
    void sendFixed(int channel, MidiOut& out) const;

    // The state of a freshly started program (and of a freshly loaded song, for the song-dependent part).
    void reset();
    // A freshly loaded song: no transpose, solo, mute or doubling, every volume 100 and nothing fixed. The
    // values behind the other fixed flags and the read-outs stay; nothing reads them until they are set.
    void resetForSong();
    // The read-outs at every playback start.
    void clearReadouts();
    // Every control as another set has it (the read-outs stay): a song played elsewhere as the face has it.
    void copyControls(const LiveControls& from);
};
