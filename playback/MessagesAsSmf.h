#pragma once
#include <cstdint>
#include <vector>

#include "playback/RecordingMidiOut.h"

// Recorded messages as a format 0 Standard MIDI File, one tick a millisecond, so their times are exact:
// played by the program, each message falls due in the timer period it was recorded in. The track ends
// with its last message, or at endMs when that is later.
std::vector<uint8_t> messagesAsSmf(const std::vector<RecordingMidiOut::Message>& messages, long endMs = 0);
