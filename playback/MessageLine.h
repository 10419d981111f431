#pragma once
#include <cstddef>
#include <cstdint>

#include "playback/MidiOut.h"

// The readable form of one message sent to the device, as velmira-render prints it and the recording
// output writes it: the time in ms, then the bytes in upper-case hex ("120 90 3C 64").
//
// Writes into a caller's buffer, so the recording output formats on the timer thread without allocating.
// The longest message the device takes fits in messageLineCapacity; a longer one is cut at a whole byte.
constexpr size_t messageLineCapacity = 24 + 3 * MidiOut::longMessageCapacity;

// Returns the length written (the text is always terminated).
size_t formatMessageLine(long timeMs, const uint8_t* bytes, size_t count, char* line, size_t capacity);
