#pragma once
#include <array>
#include <atomic>
#include <cstdint>

// The controls of the face that act on a playing song, and the read-outs the filter leaves for the face.
// The window thread writes the controls while the timer thread reads them (and the reverse for the
// read-outs), so every field is an atomic; relaxed order is enough because each value stands alone.
struct LiveControls {
    static constexpr int channelCount = 16;
    static constexpr int noChannel = 16;
    static constexpr uint8_t notSounded = 0xFF;

    template <typename T>
    using PerChannel = std::array<std::atomic<T>, channelCount>;

    std::atomic<int> keyShift{0};  // -12..12 semitones
    std::atomic<bool> keyShiftActive{false};
    std::atomic<int> soloChannel{noChannel};
    PerChannel<bool> channelMuted{};
    std::atomic<int> octaveDoubleChannel{noChannel};

    std::atomic<bool> volumeAllFixed{false};
    PerChannel<bool> volumeFixed{};
    PerChannel<uint8_t> volumeValue{};
    PerChannel<bool> reverbFixed{};
    PerChannel<uint8_t> reverbValue{};
    PerChannel<bool> chorusFixed{};
    PerChannel<uint8_t> chorusValue{};
    PerChannel<bool> modulationFixed{};
    PerChannel<uint8_t> modulationValue{};

    // Automatic pan: the sequencer sweeps the pan of a channel whose speed is above 0 (1..12).
    PerChannel<int> autoPanSpeed{};
    PerChannel<uint8_t> autoPanValue{};
    PerChannel<bool> autoPanRising{};
    PerChannel<int> autoPanCount{};
    std::atomic<int> autoPanChannel{noChannel};  // the swept channel of a single-track (format 0) song

    // Read-outs: velocity and pitch class of each channel's last sounding note; notSounded until then.
    PerChannel<uint8_t> channelLevel{};
    PerChannel<uint8_t> channelPitchClass{};

    LiveControls() { reset(); }

    // The state of a freshly started program (and of a freshly loaded song, for the song-dependent part).
    void reset();
    // The read-outs at every playback start.
    void clearReadouts();
    // Restarts the pan sweep of a channel, as the face does whenever it changes the channel's speed.
    void restartAutoPan(int channel);
};
