#pragma once
#include <cstdint>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "playback/RecordingMidiOut.h"
#include "tools/render/RenderOptions.h"

// velmira-render --input: a recorded MIDI input played through the engine in virtual time, with the song
// when there is one, as the program plays a keyboard over a song. Each line goes in before the first timer
// tick at or after its time, and its messages carry that time (in ms). Nothing when a line is not one of
// input; why has then been written to |err|.
std::optional<std::vector<RecordingMidiOut::Message>> renderWithInput(
    std::optional<std::vector<uint8_t>> image, const RenderOptions& options, std::istream& input,
    std::ostream& err);
