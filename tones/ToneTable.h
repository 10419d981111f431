#pragma once
#include <cstdint>

#include "tones/SoundModule.h"

// The GS tone and drum-set lists of the SC-88 and the SC-55. A row's 0-based place in its list is its
// index; the tone dialog shows the lists in this order and uses the index as its list-box row.
//
// The lists exist for the two GS modules only. Callers test for the Sound Blaster 16 first; asked about
// it anyway, the lookups answer from the SC-88 lists so that nothing reads outside a table.

struct Tone {
    uint8_t program;   // 0-127
    uint8_t bank;      // 0-40, the value of bank select MSB
    const char* name;  // a capital tone (bank 0) and only it starts with "*"
};

struct DrumSet {
    uint8_t program;
    const char* name;
};

int toneCount(SoundModule module);
int drumSetCount(SoundModule module);

// The row playing `program` on `bank`; row 0 ("*Piano 1") when the list has no such pair.
int toneIndex(SoundModule module, int program, int bank);
// Row `index`; row 0 for an index outside the list.
Tone toneAt(SoundModule module, int index);

// The drum set selected by `program`; set 0 when no set has that program.
int drumSetIndex(SoundModule module, int program);
// Set `index`; set 0 for an index outside the list.
DrumSet drumSetAt(SoundModule module, int index);
