#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

#include "playback/MidiVocabulary.h"

// The keys of the note messages one pass of the event filter sent: the octave-lower double first, then the
// note itself.
struct SentNote {
    uint8_t keys[2] = {};
    uint8_t count = 0;
    bool sounding = false;  // a note-on that sounds, not one silenced into a release

    bool sends(uint8_t key) const { return (count > 0 && keys[0] == key) || (count > 1 && keys[1] == key); }
};

// How note messages pair, for a song and for a keyboard alike: a note-off (or a note-on of velocity 0)
// releases exactly the keys its note-on sent, whatever changed in between (the effect or its window, the
// transpose, the doubling, a stray note-off of another key). Kept per channel and incoming key. Each user
// keeps its own, on one thread at a time.
class HeldKeys {
  public:
    struct Held {
        SentNote sent;
        uint8_t strikes = 0;  // note-ons of the key not yet released, each of which sent these keys
        uint8_t tag = 0;      // the caller's word on the strike (the song: how the effect window counts it)
    };

    // A note-on of |key| has sent |sent|. The same keys struck again are counted, so that each release ends
    // one strike. A strike that sent other keys replaces the one held, which is returned (strikes > 0) with
    // only the keys the new one does not send, for the caller to release: no later release reaches them.
    Held strike(int channel, int key, const SentNote& sent, uint8_t tag);
    // A release of |key|: the strike it ends (strikes 0 when the key is not held).
    Held release(int channel, int key);
    const Held& at(int channel, int key) const { return keys_[size_t(channel)][size_t(key)]; }
    void clear() { keys_ = {}; }

  private:
    std::array<std::array<Held, 128>, midi::channelCount> keys_{};
};
