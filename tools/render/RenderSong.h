#pragma once
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/Files.h"
#include "tools/render/RenderOptions.h"

// The song velmira-render plays: a MIDI file read whole, or the song a sound generator builds from a
// text, a picture or a clock value, with a random source fresh as at the program's start. Nothing when
// there is none; why has then been written to |err|, in the window's words.
std::optional<std::vector<uint8_t>> loadRenderSong(const RenderOptions& options, std::ostream& err);

// Whether a file the command reads can be opened: ok, or why not, in the song reader's terms so that the
// window's words serve. Anything but a regular file is refused before it is opened.
FileData::Status inputFileStatus(const std::string& name);
