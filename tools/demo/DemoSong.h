#pragma once
#include <cstdint>
#include <vector>

// A short demo song, for the screenshots and for run.sh on a machine with nothing to play to: a melody,
// chords, a bass line and drums on their own channels, so that every kind of face element has something to
// show.
std::vector<uint8_t> demoSong();
