#pragma once
#include "tones/ToneTable.h"

// The lists themselves (ToneLists.cpp), each in ascending program order and, for tones, bank order.
extern const Tone sc88Tones[];
extern const int sc88TonesCount;
extern const Tone sc55Tones[];
extern const int sc55TonesCount;
extern const DrumSet sc88DrumSets[];
extern const int sc88DrumSetsCount;
extern const DrumSet sc55DrumSets[];
extern const int sc55DrumSetsCount;
