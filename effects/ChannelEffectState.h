#pragma once
#include <cstdint>

#include "effects/EffectSettings.h"

// Decides, per channel, whether a note-on is remapped, so that a channel switches between plain and remapped
// only at a moment when it holds no note of the other kind. Three phases per playback: plain (not yet
// entered), remapped (inside the window, or holding remapped notes after its end), plain again for good.
// The held notes are counted by key (HeldKeys keeps how each strike was counted), so a note-off of a key
// that is not held counts nothing.
struct ChannelEffectState {
    enum Count : uint8_t { notCounted, countedPlain, countedRemapped };

    bool entered = false;        // remapped at least once since playback started
    int32_t unaffectedHeld = 0;  // plain note-ons still held, counted only before the channel entered
    int32_t affectedHeld = 0;    // remapped note-ons still held

    bool remapsNow(int32_t playSeconds, const EffectWindow& window) const {
        return playSeconds >= window.start && unaffectedHeld == 0 &&
               (playSeconds <= window.end || affectedHeld > 0);
    }

    // A note-on has been sent; returns how it is counted while its key is held. With the window starting
    // at 0 no plain note can be held when it opens, so plain ones are not counted then.
    Count strike(bool remapped, bool sounding, const EffectWindow& window) {
        if (remapped) entered = true;
        if (!sounding) return notCounted;
        if (remapped) {
            ++affectedHeld;
            return countedRemapped;
        }
        if (window.start <= 0 || entered) return notCounted;
        ++unaffectedHeld;
        return countedPlain;
    }

    void release(uint8_t count, int strikes) {
        int32_t& held = count == countedRemapped ? affectedHeld : unaffectedHeld;
        if (count != notCounted) held = held > strikes ? held - strikes : 0;
    }
};
