// The sequencer's longest waits. Jumping to the last second of a 10-minute song: the whole song up to there
// is played silently, so this is the longest a jump makes the window wait. Target: under 50 ms. And the first
// timer period of a hostile file.
#include <benchmark/benchmark.h>

#include "playback/SmfWriter.h"
#include "tests/support/SilentPlayer.h"

namespace {
// 16 channels, each an eighth note every 250 ms with a controller and a bend, for ten minutes.
std::vector<uint8_t> tenMinuteSong() {
    constexpr uint32_t eighth = 240;  // 480 ticks a quarter at 120 beats per minute
    SmfWriter song(1, 480);
    for (uint8_t channel = 0; channel < 16; ++channel) {
        SmfTrack track;
        track.tempo(0, 500000).shortMessage(0, uint8_t(0xC0 | channel), channel);
        for (int step = 0; step < 2400; ++step) {
            const uint8_t key = uint8_t(40 + (step * 5 + channel) % 48);
            track.shortMessage(0, uint8_t(0xB0 | channel), 11, uint8_t(step % 128))
                .shortMessage(0, uint8_t(0xE0 | channel), 0, uint8_t(64 + step % 8))
                .shortMessage(0, uint8_t(0x90 | channel), key, 90)
                .shortMessage(eighth, uint8_t(0x80 | channel), key, 0);
        }
        song.track(track.endOfTrack());
    }
    return song.bytes();
}

void jumpToTheEndOfATenMinuteSong(benchmark::State& state) {
    SilentPlayer silent;
    silent.play(tenMinuteSong());
    for (auto _ : state) benchmark::DoNotOptimize(silent.player.jumpTo(599));
    state.counters["messages"] = double(silent.out.sent);
}
BENCHMARK(jumpToTheEndOfATenMinuteSong)->Unit(benchmark::kMillisecond);

// 255 tracks of 64 KiB of zero bytes and no end-of-track event, all read in the first timer period: each
// track reads only its own chunk, so the period costs the file's size, not the size times the tracks.
void playZeroFilledTracks(benchmark::State& state) {
    SmfWriter song(1, 480);
    for (int track = 0; track < 255; ++track) song.track(std::vector<uint8_t>(65536, 0));
    const std::vector<uint8_t> image = song.bytes();
    for (auto _ : state) {
        SilentPlayer silent;
        silent.play(image);
        benchmark::DoNotOptimize(silent.playToEnd());
    }
}
BENCHMARK(playZeroFilledTracks)->Unit(benchmark::kMillisecond);
}  // namespace
