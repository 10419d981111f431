// Loading and playing a dense song in virtual time: the cost of each event on the timer thread.
#include <benchmark/benchmark.h>

#include "playback/SmfWriter.h"
#include "tests/support/DenseSong.h"
#include "tests/support/SilentPlayer.h"

namespace {
// 64 tracks of 2000 steps, each step four notes and a controller in one tick.
void loadAndPlayDenseSong(benchmark::State& state) {
    const std::vector<uint8_t> image = denseSong(64, 2000);
    long events = 0;
    for (auto _ : state) {
        SilentPlayer silent;
        silent.player.loadSong(image);
        silent.player.startPlayback();
        silent.playToEnd();
        silent.player.stopPlayback(Player::songFinished);
        events = silent.out.sent;
        benchmark::DoNotOptimize(events);
    }
    state.counters["time_per_event"] = benchmark::Counter(
        double(events), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    state.counters["events"] = double(events);
}
BENCHMARK(loadAndPlayDenseSong)->Unit(benchmark::kMillisecond);

// 255 tracks of 64 KiB of zero bytes and no end-of-track event, all read in the first timer period: each
// track reads only its own chunk, so the period costs the file's size, not the size times the tracks.
void playZeroFilledTracks(benchmark::State& state) {
    SmfWriter song(1, 480);
    for (int track = 0; track < 255; ++track) song.track(std::vector<uint8_t>(65536, 0));
    const std::vector<uint8_t> image = song.bytes();
    for (auto _ : state) {
        SilentPlayer silent;
        silent.player.loadSong(image);
        silent.player.startPlayback();
        benchmark::DoNotOptimize(silent.playToEnd());
    }
}
BENCHMARK(playZeroFilledTracks)->Unit(benchmark::kMillisecond);
}  // namespace
