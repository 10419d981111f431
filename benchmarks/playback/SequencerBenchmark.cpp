// Loading and playing a dense song in virtual time: the cost of each event on the timer thread.
#include <benchmark/benchmark.h>

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
}  // namespace
