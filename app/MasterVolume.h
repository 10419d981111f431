#pragma once
#include <array>
#include <cstdint>

#include "effects/LiveControls.h"
#include "playback/MidiOut.h"

// The master volume, in percent, and its buttons' step.
constexpr int minMasterVolume = 0;
constexpr int maxMasterVolume = 120;
constexpr int masterVolumeStep = 10;

// The master volume scales each channel's own volume (its volume cell, 100 until the user sets one):
// the value sent is base × percent / 100, truncated, at most 127.
uint8_t scaledVolume(int base, int masterVolume);

// A master-volume step: every channel's volume becomes its scaled base and is sent at once; from then on
// the song's own volume controllers are replaced by it.
void applyMasterVolume(LiveControls& controls, const std::array<uint8_t, midi::channelCount>& volumeBase,
                       int masterVolume, MidiOut& out);
