// A song file built to cost the timer thread the most: the first period of a hostile file.
#include <benchmark/benchmark.h>

#include "playback/SmfWriter.h"
#include "tests/support/SilentPlayer.h"

namespace {
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
