// A song file played from its load to its end in virtual time, as velmira-render plays it, with the effect,
// the effect window, the pitch map, the key signature and the live controls taken from the input's first
// 32 bytes; then its output as text and as a MIDI file. The renderer's streamed output must be the same
// as the whole.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "effects/EffectSettings.h"
#include "effects/SongRendering.h"
#include "fuzz/FuzzInput.h"
#include "playback/MessagesAsSmf.h"
#include "tools/render/RenderCommand.h"

namespace {
constexpr size_t settingsBytes = 32;

const EffectType effectTypes[] = {EffectType::none,     EffectType::folk,         EffectType::japanese,
                                  EffectType::okinawan, EffectType::image1,       EffectType::image2,
                                  EffectType::image3,   EffectType::mirror,       EffectType::image5,
                                  EffectType::suspense, EffectType::keySignature, EffectType::customMap};

RenderOptions optionsFrom(FuzzInput settings) {
    RenderOptions options;
    EffectSettings& effect = options.effect;
    effect.type = effectTypes[settings.byte() % (sizeof effectTypes / sizeof effectTypes[0])];
    // Windows as the effect-time dialog allows them (0-3599 s) and, now and then, reversed.
    effect.window.start = settings.u16() % 3600;
    effect.window.end = settings.u16() % 3600;
    for (int32_t& entry : effect.pitchMap.entries) entry = int32_t(settings.byte() % 112) - 11;  // -11..100
    effect.keySignature.sign = int32_t(settings.byte() % 3) - 1;
    effect.keySignature.count = settings.byte() % (KeySignature::maxCount + 1);
    const uint8_t controls = settings.byte();
    if (controls & 1) options.transpose = int(settings.byte() % 25) - 12;
    if (controls & 2) options.soloChannel = settings.byte() % 16;
    if (controls & 4) options.doubleChannel = settings.byte() % 16;
    if (controls & 8) options.masterVolume = settings.byte() % 201;
    const uint16_t muted = settings.u16();
    for (int channel = 0; channel < 16; ++channel)
        if (muted >> channel & 1) options.mutedChannels.push_back(channel);
    return options;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const size_t front = size < settingsBytes ? size : settingsBytes;
    const RenderOptions options = optionsFrom(FuzzInput(data, front));
    const std::vector<uint8_t> song(data + front, data + size);
    const std::vector<RecordingMidiOut::Message> messages = renderSong(song, options);
    messagesAsSmf(messages);

    std::string streamed;
    SongRendering rendering;
    rendering.streamTo([&](const SongRendering::Messages& batch) { streamed += messageLines(batch); });
    playWithOptions(rendering, song, options);
    if (streamed != messageLines(messages)) std::abort();
    return 0;
}
