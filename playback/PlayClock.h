#pragma once
#include <atomic>

// The play clock of the face and of the effect window: the sequencer advances it on the timer thread, the
// window's read-out and the event filter read it. The engine owns it, so neither reader holds the sequencer.
struct PlayClock {
    std::atomic<int> minutes{0};
    std::atomic<int> seconds{0};      // 0..59
    std::atomic<int> playSeconds{0};  // whole seconds since playback started

    void reset() {
        minutes.store(0, std::memory_order_relaxed);
        seconds.store(0, std::memory_order_relaxed);
        playSeconds.store(0, std::memory_order_relaxed);
    }
};
