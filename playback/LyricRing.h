#pragma once
#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>

// The lyric events the sequencer plays, on their way from the timer thread to the window: the position of
// each one's type byte in the song image, in the order played. One thread pushes (the timer's, or the
// window's own while the timer is stopped), one takes (the window's); neither waits, locks or allocates. The
// window takes them every tick, so the ring fills only when the window stalls for seconds at a song's
// densest; then the newest are dropped and counted, and latest() still says where the song is.
class LyricRing {
  public:
    static constexpr size_t capacity = 1024;
    static constexpr int32_t none = -1;

    // Pusher's side. Returns false when the ring was full and the position dropped.
    bool push(int32_t position) {
        latest_.store(position, std::memory_order_relaxed);
        const size_t head = head_.load(std::memory_order_relaxed);
        if (head - tail_.load(std::memory_order_acquire) == capacity) {
            dropped_.fetch_add(1, std::memory_order_relaxed);
            return false;
        }
        slots_[head % capacity] = position;
        head_.store(head + 1, std::memory_order_release);
        return true;
    }

    // Pusher's side, playing silently to a jump's moment: only the latest is kept, as the window shows where
    // the jump went, not what was passed over.
    void passOver(int32_t position) { latest_.store(position, std::memory_order_relaxed); }

    // Taker's side: the oldest position not taken yet, or none.
    int32_t take() {
        const size_t tail = tail_.load(std::memory_order_relaxed);
        if (tail == head_.load(std::memory_order_acquire)) return none;
        const int32_t position = slots_[tail % capacity];
        tail_.store(tail + 1, std::memory_order_release);
        return position;
    }

    // The last position pushed, taken or not (none since the last clear).
    int32_t latest() const { return latest_.load(std::memory_order_relaxed); }
    uint32_t dropped() const { return dropped_.load(std::memory_order_relaxed); }
    // At a play start or a jump, with nobody pushing: empty, and nothing sung yet.
    void clear() {
        tail_.store(head_.load(std::memory_order_relaxed), std::memory_order_relaxed);
        latest_.store(none, std::memory_order_relaxed);
    }

  private:
    std::array<int32_t, capacity> slots_{};
    std::atomic<size_t> head_{0};  // written by the pusher
    std::atomic<size_t> tail_{0};  // written by the taker
    std::atomic<int32_t> latest_{none};
    std::atomic<uint32_t> dropped_{0};
};
