#pragma once
#include "effects/EffectSettings.h"

// The pitch effects as pure functions of the key: a note-off is remapped exactly like the note-on it ends.

struct RemappedKey {
    int key;        // may leave 0-127; see foldIntoKeyRange
    bool silenced;  // the note must not sound: its note-on goes out as a release of the same key
};

// The key a note gets under the chosen effect. Effect none (and an unknown value) keeps the key.
RemappedKey remapKey(const EffectSettings& settings, int key);

// "イメージ ４": the keyboard mirrored around key 71, with everything that would land above 127 on 127.
int mirrorKey(int key);

// Semitones the key signature adds to a pitch class; an unknown sign or count adds nothing.
int keySignatureStep(const KeySignature& signature, int pitchClass);

// Pitch class 0-11 of any key, negative ones included.
int pitchClassOf(int key);

// Brings a key outside 0-127 back by whole octaves to the nearest key of the same pitch class inside the
// range, so a scale effect keeps its scale at the edges of the keyboard. Being a function of the key alone,
// it moves a note-on and its note-off alike, and no note is left hanging.
int foldIntoKeyRange(int key);
