#pragma once
#include <cstdint>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "playback/RecordingMidiOut.h"

// velmira-render --wav: plays what the device received through FluidSynth, in virtual time and so faster
// than real time, into a 16-bit stereo WAV file at 44100 Hz. Only the native build has a synthesizer; the
// Windows build says it cannot.
class WavRendering {
  public:
    virtual ~WavRendering() = default;
    // The next messages the device received, in the order it received them.
    virtual void play(const std::vector<RecordingMidiOut::Message>& messages) = 0;
    // Lets the last notes fade and fills in the header; whether every byte went through is the file's
    // owner's to check.
    virtual void finish() = 0;
};

constexpr int wavSampleRate = 44100;
// A WAV file counts its bytes in 32 bits: this many frames, about six and three-quarter hours.
constexpr int64_t wavFrameLimit = (int64_t(UINT32_MAX) - 36) / 4;
constexpr long wavLongestMs = long(wavFrameLimit * 1000 / wavSampleRate);
// The audio after the last message, for the notes' release and the reverb.
constexpr long wavTailMs = 2000;

// soundFontPath empty: FluidR3 General MIDI from Debian's fluid-soundfont-gm. The audio goes to |wav|, a
// new seekable file; it stops at maxFrames, the file staying whole. Nothing when the synthesizer cannot be
// started; |problem| says why.
std::unique_ptr<WavRendering> startWavRendering(const std::string& soundFontPath, std::ostream& wav,
                                                std::string& problem, int64_t maxFrames = wavFrameLimit);
