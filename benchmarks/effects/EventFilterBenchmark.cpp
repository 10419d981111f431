#include <benchmark/benchmark.h>

#include <vector>

#include "effects/EventFilter.h"
#include "playback/SilentMidiOut.h"

namespace {
// A busy stretch of a song on all 16 channels: chords started and released, with volume, expression and
// pitch-bend messages in between.
std::vector<ChannelMessage> songMix() {
    std::vector<ChannelMessage> messages;
    for (int bar = 0; bar < 64; ++bar) {
        for (int channel = 0; channel < 16; ++channel) {
            const uint8_t root = uint8_t(36 + (bar * 5 + channel * 7) % 60);
            const uint8_t chord[] = {root, uint8_t(root + 4), uint8_t(root + 7)};
            for (uint8_t key : chord) messages.push_back({uint8_t(0x90 | channel), key, 96});
            messages.push_back({uint8_t(0xB0 | channel), uint8_t(bar % 2 ? 7 : 11), 100});
            messages.push_back({uint8_t(0xE0 | channel), 0, uint8_t(64 + bar % 8)});
            for (uint8_t key : chord) messages.push_back({uint8_t(0x80 | channel), key, 64});
        }
    }
    return messages;
}

void runFilter(benchmark::State& state, EffectType type) {
    SilentMidiOut out;  // so that the measurement is the filter's own work
    LiveControls controls;
    EffectSettings settings;
    settings.type = type;
    settings.pitchMap.entries = {0, 1, -2, 100, 3, 0, -1, 2, 100, -3, 1, 0};
    ChannelTones tones;
    SongBuffer song;
    PlayClock clock;
    AutoPan autoPan(out, controls, song);
    controls.keyShiftActive = true;
    controls.keyShift = -2;
    EventFilter filter(out, controls, settings, tones, clock, autoPan);
    filter.resetForPlayback();

    const std::vector<ChannelMessage> messages = songMix();
    for (auto _ : state) {
        for (const ChannelMessage& message : messages) filter.processChannelMessage(0, message);
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * int64_t(messages.size()));
}

}  // namespace

BENCHMARK_CAPTURE(runFilter, FolkScale, EffectType::folk);
BENCHMARK_CAPTURE(runFilter, CustomMap, EffectType::customMap);
BENCHMARK_CAPTURE(runFilter, NoEffect, EffectType::none);
