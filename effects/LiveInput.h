#pragma once
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <mutex>

#include "effects/EffectSettings.h"
#include "effects/EventFilter.h"
#include "effects/HeldKeys.h"
#include "playback/MidiInputStream.h"
#include "playback/MidiVocabulary.h"
#include "playback/PlayClock.h"

// A MIDI keyboard played through the engine: every channel message that comes in passes the event filter
// as a song's does (pitch effect, key shift, solo, mute, doubling, tone lock, fixed controllers, read-outs)
// and goes to the device at once, on the thread it came in on, mixed with a playing song's messages.
//
// A note-off releases exactly the keys its note-on sounded, whatever changed while the key was held, by the
// song's own pairing rule (HeldKeys); a note-off of a key that sounds nothing sends nothing. The effect
// applies to the note-ons inside the effect window (measured on the playing song's clock; with no song
// playing there is no time to measure, and the effect holds throughout).
//
// One lock keeps the input's calls and the window's apart; the timer thread never takes it.
class LiveInput : public MidiInputSink {
  public:
    LiveInput(EventFilter& filter, const PlayClock& clock) : filter_(filter), clock_(clock) {}

    // Input thread: bytes as the device delivered them. Realtime and system exclusive bytes are dropped.
    void receive(const uint8_t* bytes, size_t count) override;

    // Window thread: the effect as the menu and the dialogs left it, for the notes that start afterwards.
    void takeEffect(const EffectSettings& effect);
    void songStarted();
    // The device is being silenced (a stop): every held key is forgotten, so later note-offs send nothing.
    void songStopped();
    // Whether a channel message has come in since the program started (any thread).
    bool heard() const { return heard_.load(std::memory_order_relaxed); }

  private:
    void play(const ChannelMessage& message);
    void startNote(int status, int key, int velocity);
    bool remapsNow() const;

    EventFilter& filter_;
    const PlayClock& clock_;
    std::atomic<bool> heard_{false};
    std::mutex mutex_;
    MidiInputStream stream_;    // guarded by mutex_
    EffectSettings effect_;     // guarded by mutex_
    bool songPlaying_ = false;  // guarded by mutex_
    HeldKeys held_;             // guarded by mutex_
};
