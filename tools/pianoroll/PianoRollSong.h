#pragma once
#include <cstdint>
#include <vector>

// A long, dense piano piece written like a piano roll: a tempo track with a tempo change every few bars and
// voices of short notes in running status, with the sustain pedal now and then. About 145 KB, the size of
// the longest songs of the public piano corpora; made here so that timing runs need no download.
std::vector<uint8_t> pianoRollSong();
