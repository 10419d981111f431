// A song file played from its load to its end in virtual time, as velmira-render plays it, with the effect
// and the transpose taken from the input's first two of 32 settings bytes (the seeds keep that room); then
// its output as a MIDI file; and the look for a note that song-list play makes before playing an entry.
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "effects/SongRendering.h"
#include "playback/MessagesAsSmf.h"
#include "playback/SongBuffer.h"
#include "tools/render/RenderCommand.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    constexpr size_t settingsBytes = 32;
    if (size < settingsBytes) return 0;
    RenderOptions options;
    const int type = data[0] % 12;  // the effects are 0-9, 12 and 13
    options.effect.type = EffectType(type < 10 ? type : type + 2);
    options.transpose = int(data[1] % 25) - 12;
    std::vector<uint8_t> image(data + settingsBytes, data + size);
    messagesAsSmf(renderSong(image, options));
    SongBuffer song;
    song.assign(std::move(image));
    song.readHeader();
    holdsNote(song);
    return 0;
}
