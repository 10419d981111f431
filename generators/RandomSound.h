#pragma once
#include <cstdint>
#include <vector>

#include "generators/SongBuilder.h"

// What the title shows where a file's path would stand.
constexpr const char* randomSongTitle = "乱数音";
constexpr int randomSongNotes = 1000;

// Re-seeds |random| with the clock value (the window passes the calendar time in whole seconds since
// 1970; the renderer and tests a number of their own), then draws the melody: phrases that each pick
// a base note 36-85 and wander within the octave above it. The same clock value gives the same notes.
std::vector<uint8_t> randomSongValues(uint32_t clockSeconds, PseudoRandom& random);

GeneratedSong buildRandomSong(uint32_t clockSeconds, PseudoRandom& random);
