#pragma once
#include <cstdint>

#include "effects/EffectSettings.h"

// Decides, per channel, whether a note message is remapped, so that a note started plain also ends plain
// and one started remapped also ends remapped. A channel switches between plain and remapped only at a
// moment when it holds no note of the other kind. Three phases per playback: plain (not yet entered),
// remapped (inside the window, or holding remapped notes after its end), plain again for good.
struct ChannelEffectState {
    bool entered = false;        // remapped at least once since playback started
    int32_t unaffectedHeld = 0;  // plain note-ons still held, counted only before the channel entered
    int32_t affectedHeld = 0;    // remapped note-ons still held

    bool remapsNow(int32_t playSeconds, const EffectWindow& window) const {
        return playSeconds >= window.start && unaffectedHeld == 0 &&
               (playSeconds <= window.end || affectedHeld > 0);
    }

    void countRemapped(bool soundingNoteOn) {
        entered = true;
        affectedHeld = nextCount(affectedHeld, soundingNoteOn);
    }

    // With the window starting at 0 no plain note can be held when it opens, so nothing is counted.
    void countPlain(bool soundingNoteOn, const EffectWindow& window) {
        if (window.start > 0 && !entered) unaffectedHeld = nextCount(unaffectedHeld, soundingNoteOn);
    }

  private:
    // Any message that does not start a note ends one, but a count never goes below 0.
    static int32_t nextCount(int32_t held, bool soundingNoteOn) {
        if (soundingNoteOn) return held + 1;
        return held > 0 ? held - 1 : 0;
    }
};
