#pragma once
#include <functional>
#include <mutex>

#include "playback/MidiOut.h"

// The one way to the MIDI device. Every sender goes through it: the timer thread (the song, the open
// dialog's preview), the input thread (a keyboard played through the engine) and the window thread (a
// load's, a stop's, a tone's and a jump's messages). Each message goes out whole, one at a time, in the
// order its sender took the lock; a device change and a jump happen between two messages, never within one.
//
// Threads:
// - sendShortMessage, sendLongMessage: any thread. A sender waits while another message goes out, while
//   the window thread jumps, and while it changes the device.
// - capture, change: the window thread only; capture only while the timer is stopped (a jump), change only
//   while no song plays.
// Lock order: this lock is taken last by the timer thread (inside the sequencer's tempo lock), so capture,
// which takes it first and then plays silently under the tempo lock, needs the timer stopped.
//
// A short lock around each output call, not a queue with one writer thread: a keyboard's message then waits
// at most for the one message going out, while a queue adds a thread wake-up to every message
// (benchmarks/playback/DeviceOwnerBenchmark.cpp measures both; the lock's p99 is the lower).
class MidiDevice : public MidiOut {
  public:
    explicit MidiDevice(MidiOut& device) : device_(device) {}
    MidiDevice(const MidiDevice&) = delete;
    MidiDevice& operator=(const MidiDevice&) = delete;

    DeviceError sendShortMessage(uint8_t status, uint8_t data1, uint8_t data2) override;

    // A jump: runs silentRun with what this thread sends going into chase, then restore, whose messages go
    // to the device. Every other sender waits until both are done, so a keyboard played meanwhile is never
    // taken for the song's state and is never heard in the middle of the jump's messages.
    void capture(MidiOut& chase, const std::function<void()>& silentRun,
                 const std::function<void()>& restore);
    // A change of the output: runs reopen, which closes the device and opens another in its place, while no
    // message goes out, so no sender ever reaches a closed device. Returns what reopen returns.
    bool change(const std::function<bool()>& reopen);

  private:
    void deliverLongMessage(const uint8_t* bytes, size_t count) override;
    // Recursive: the window thread's own messages during capture come back through the send calls.
    std::recursive_mutex mutex_;
    MidiOut& device_;
    MidiOut* target_ = &device_;  // guarded by mutex_
};
