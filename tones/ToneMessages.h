#pragma once
#include <cstdint>

#include "playback/MidiOut.h"

// A tone as the program puts it on a channel: bank select (its value, then the LSB 0) and the program
// change; the drum channel (midi::drumChannel) takes the program (its drum set) alone.
void sendTone(MidiOut& out, int channel, uint8_t program, uint8_t bank);
