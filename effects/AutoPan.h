#pragma once
#include <array>
#include <atomic>
#include <cstdint>

#include "effects/LiveControls.h"
#include "playback/MidiOut.h"
#include "playback/SongBuffer.h"

// Automatic pan, whole: the speeds the face's auto-pan cells set, the sweep that moves the pan of each
// such channel back and forth while the song plays, and the rule that the song's own pan gives way to it.
// The window thread sets speeds; the timer thread sweeps. Every field stands alone, so relaxed atomics do.
class AutoPan {
  public:
    static constexpr int maxSpeed = 12;
    static constexpr uint8_t centre = 64;
    static constexpr int noChannel = LiveControls::noChannel;

    template <typename T>
    using PerChannel = LiveControls::PerChannel<T>;

    AutoPan(MidiOut& out, const LiveControls& controls, const SongBuffer& song);

    // A new speed (0 stops the sweep) restarts the channel's sweep from the centre. A single-track
    // (format 0) song sweeps one channel only: the first channel given a speed holds the sweep until its
    // speed is back to 0, and another channel's speed is refused meanwhile. Songs of formats other than 0
    // and 1 get no sweep. Returns whether the speed was taken.
    bool setSpeed(int channel, int speed);
    // Every sweep stopped and no holder: a freshly loaded song.
    void reset();

    // Timer thread, after each track's timer period: the swept channel is the track's own (format 1) or
    // the holder (format 0); it moves one step every 13 - speed periods while the channel is heard.
    void step(uint8_t runningStatus);
    // Whether step would count towards the next pan move (or make it) for a track of this running status.
    bool sweeps(uint8_t runningStatus) const {
        int pace = 0;
        return sweptChannel(runningStatus, pace) != noChannel;
    }
    // The song's own pan on a swept channel would fight the sweep; the filter drops it.
    bool overridesPan(int channel) const { return speed[channel].load(std::memory_order_relaxed) > 0; }

    PerChannel<int> speed{};
    PerChannel<uint8_t> value{};
    PerChannel<bool> rising{};
    PerChannel<int> count{};
    std::atomic<int> holder{noChannel};  // the swept channel of a format 0 song

  private:
    void restart(int channel);
    // The channel a track of this running status sweeps now, with its speed, or noChannel.
    int sweptChannel(uint8_t runningStatus, int& pace) const;

    MidiOut& out_;
    const LiveControls& controls_;
    const SongBuffer& song_;
};
