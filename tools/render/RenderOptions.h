#pragma once
#include <optional>
#include <string>
#include <vector>

#include "effects/EffectSettings.h"

// What velmira-render was asked to do.
struct RenderOptions {
    std::string songPath;
    EffectSettings effect;
    std::optional<int> transpose;  // key shift, active
    std::optional<int> soloChannel;
    std::vector<int> mutedChannels;
    std::optional<int> doubleChannel;  // octave-lower doubling
    std::optional<int> masterVolume;   // percent, as the face sets it
    std::string outPath;               // empty: standard output
    std::string smfPath;               // also write the stream as a format 0 file
    std::string wavPath;               // also render the stream to audio
    std::string soundFontPath;         // empty: the default General MIDI soundfont
    bool help = false;
};

struct ParsedOptions {
    RenderOptions options;
    std::string error;  // empty when the command line was understood
};

ParsedOptions parseRenderOptions(const std::vector<std::string>& arguments);
extern const char* const renderUsage;
