// The densest words: a lyric event every 10 ms, reported by the timer thread through the lyric ring and
// taken by the window thread every 16 ms (a window's tick comes later than posted when it is busy), all at
// once as the lyrics window takes them. The timer runs ten times as fast as the song's time, so the window
// meets ten times the words it ever would. Counters: the words lost (target 0) and the timer thread's cost a
// period with a word.
#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "playback/SmfWriter.h"
#include "tests/support/SilentPlayer.h"

namespace {
void wordEvery10MsTakenAtTheWindowsTick(benchmark::State& state) {
    SmfTrack track;
    track.tempo(0, 500000);  // with 500 ticks a quarter, a tick a millisecond
    for (int word = 0; word < 3000; ++word) track.meta(10, reinterpret_cast<const uint8_t*>("\xFF\x05la"), 4);
    const std::vector<uint8_t> song = SmfWriter(0, 500).track(track.endOfTrack()).bytes();
    double timerSeconds = 0, taken = 0, lost = 0;
    for (auto _ : state) {
        SilentPlayer silent;
        silent.play(song);
        std::atomic<bool> playing{true};
        std::thread timer([&] {
            for (; !silent.sequencer.songEnded(); std::this_thread::sleep_for(std::chrono::milliseconds(1))) {
                const auto start = std::chrono::steady_clock::now();
                silent.timer.tick();
                timerSeconds +=
                    std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            }
            playing = false;
        });
        for (bool last = false; !last; std::this_thread::sleep_for(std::chrono::milliseconds(16)))
            for (last = !playing; silent.sequencer.lyrics().take() != LyricRing::none;) ++taken;
        timer.join();
        lost += silent.sequencer.lyrics().dropped();
    }
    state.counters["lost"] = lost;
    state.counters["timer_us_a_word"] = timerSeconds * 1e6 / taken;
}
BENCHMARK(wordEvery10MsTakenAtTheWindowsTick)->Iterations(2)->Unit(benchmark::kMillisecond);
}  // namespace
