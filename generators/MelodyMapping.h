#pragma once
#include <cstdint>
#include <vector>

// What the source values of a generated song are; the number is the one the builder was always called with.
enum class BuildMode {
    text = 0,     // the raw bytes of a text file, Shift-JIS
    picture = 1,  // block brightness levels 0-51
    random = 2,   // MIDI note numbers 0-127
};

struct MelodyNote {
    uint8_t note;
    uint8_t ticks;  // 24, 48 or 96
};

// The melody a source plays, in order. A text's last byte never becomes a note (a Shift-JIS lead byte
// just before it takes it as its partner); control characters are passed over. Leaps are held longer
// than steps: the first note lasts 24 ticks, a later one 96 after a change of an octave or more, 48
// after a smaller change of at least 6 (text) or 4 (other sources) semitones, else 24.
std::vector<MelodyNote> melodyOf(BuildMode mode, const std::vector<uint8_t>& source);
