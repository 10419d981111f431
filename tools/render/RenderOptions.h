#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "effects/EffectSettings.h"
#include "effects/SongRendering.h"

// What velmira-render was asked to do.
struct RenderOptions {
    // What is played: a MIDI file, or the song a sound generator builds.
    enum class Source { midiFile, text, picture, seed };
    Source source = Source::midiFile;
    std::string songPath;     // the MIDI file, the text or the picture
    uint32_t seed = 0;        // the clock value the random sound is seeded with
    std::string songOutPath;  // also write the song as built, before it is played
    std::string inputPath;    // a recorded MIDI input played in as well; then the song may be left out
    EffectSettings effect;
    std::optional<int> transpose;  // key shift, active
    std::optional<int> soloChannel;
    std::vector<int> mutedChannels;
    std::optional<int> doubleChannel;        // octave-lower doubling
    std::optional<int> masterVolume;         // percent, as the face sets it
    int startSeconds = 0;                    // jump there before playing on
    std::vector<SongRendering::Jump> jumps;  // then these, in order
    std::string outPath;                     // empty: standard output
    std::string smfPath;                     // also write the stream as a format 0 file
    std::string wavPath;                     // also render the stream to audio
    std::string soundFontPath;               // empty: the default General MIDI soundfont
    bool lyrics = false;                     // print the song's words as sung instead of the messages
    bool help = false;

    bool hasSong() const { return source != Source::midiFile || !songPath.empty(); }
};

struct ParsedOptions {
    RenderOptions options;
    std::string error;  // empty when the command line was understood
};

ParsedOptions parseRenderOptions(const std::vector<std::string>& arguments);
std::string renderUsage();
