#pragma once
#include <ostream>
#include <string>
#include <vector>

#include "effects/PlaybackEngine.h"
#include "effects/SongRendering.h"
#include "playback/RecordingMidiOut.h"
#include "tools/render/RenderOptions.h"

// velmira-render: plays a MIDI file, or a song the sound generators build, through the program's loading,
// sequencer and event filter in virtual time and writes what the MIDI output would have received. Returns
// the process exit code.
int runRenderCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

// Sets a loaded engine's effect and face controls as the options ask, as the window's controls would.
void applyRenderOptions(PlaybackEngine& engine, const RenderOptions& options);

// Plays a song image in |rendering| as the program would with the given options, from load to stop.
void playWithOptions(SongRendering& rendering, std::vector<uint8_t> image, const RenderOptions& options);

// Plays a song image as the program would with the given options, from load to stop.
std::vector<RecordingMidiOut::Message> renderSong(std::vector<uint8_t> image, const RenderOptions& options);

// The messages as velmira-render prints them, one a line.
std::string messageLines(const std::vector<RecordingMidiOut::Message>& messages);
