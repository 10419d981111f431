#pragma once
#include <string>
#include <vector>

#include "playback/RecordingMidiOut.h"

// velmira-render --wav: plays what the device received through FluidSynth, in virtual time and so faster
// than real time, into a 16-bit stereo WAV file at 44100 Hz. Only the native build has a synthesizer; the
// Windows build says it cannot.
// soundFontPath empty: FluidR3 General MIDI from Debian's fluid-soundfont-gm. Returns what went wrong, or
// nothing when the file was written.
std::string renderWav(const std::vector<RecordingMidiOut::Message>& messages,
                      const std::string& soundFontPath, const std::string& wavPath);
