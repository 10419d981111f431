#pragma once
#include <cstdint>
#include <vector>

// A busy format 1 song: tracks × notes of chords, controllers and a SysEx now and then, for the
// allocation test and the benchmarks.
std::vector<uint8_t> denseSong(int tracks, int notesPerTrack);
