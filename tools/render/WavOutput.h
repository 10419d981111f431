#pragma once
#include <cstdint>
#include <memory>
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
    // Lets the last notes fade and completes the file. Returns what went wrong, or nothing.
    virtual std::string finish() = 0;
};

constexpr int wavSampleRate = 44100;
// A WAV file counts its bytes in 32 bits: this many frames, about six and three-quarter hours.
constexpr int64_t wavFrameLimit = (int64_t(UINT32_MAX) - 36) / 4;
constexpr long wavLongestMs = long(wavFrameLimit * 1000 / wavSampleRate);
// The audio after the last message, for the notes' release and the reverb.
constexpr long wavTailMs = 2000;

// soundFontPath empty: FluidR3 General MIDI from Debian's fluid-soundfont-gm. The audio stops at maxFrames,
// the file staying whole. Nothing when the synthesizer or the file cannot be started; |problem| says why.
std::unique_ptr<WavRendering> startWavRendering(const std::string& soundFontPath, const std::string& wavPath,
                                                std::string& problem, int64_t maxFrames = wavFrameLimit);
