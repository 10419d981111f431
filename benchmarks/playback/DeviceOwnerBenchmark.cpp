// How long a keyboard's message waits on its way to the device while the song sends bursts from the timer
// thread through MidiDevice (a short lock around each output call). The counters are the keyboard's median
// and 99th percentile in microseconds; the p99 is what a player feels as lag, and chose the lock over a
// queue with a writer thread of its own.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "playback/MidiDevice.h"

namespace {
using Clock = std::chrono::steady_clock;
constexpr uint8_t keyboard = 0x9F;

// Each message takes about as long as a short message through winmm; one caller at a time, as the owner
// makes sure. Notes when the keyboard's messages arrive.
struct TimedDevice : MidiOut {
    DeviceError sendShortMessage(uint8_t status, uint8_t, uint8_t) override {
        for (const auto done = Clock::now() + std::chrono::microseconds(2); Clock::now() < done;) {
        }
        if (status == keyboard) arrivals.push_back(Clock::now());
        return DeviceError::none;
    }
    void deliverLongMessage(const uint8_t*, size_t) override {}
    std::vector<Clock::time_point> arrivals;
};

void keyboardDuringBursts(benchmark::State& state) {
    std::vector<double> waits;
    for (auto _ : state) {
        TimedDevice device;
        std::vector<Clock::time_point> sent;
        {
            MidiDevice owner(device);
            std::atomic<bool> playing{true};
            std::thread timer([&] {  // a busy song: 40 messages every millisecond
                for (; playing.load(); std::this_thread::sleep_for(std::chrono::milliseconds(1)))
                    for (int i = 0; i < 40; ++i) owner.sendShortMessage(0x90, 60, 100);
            });
            for (int key = 0; key < 2000;
                 ++key, std::this_thread::sleep_for(std::chrono::microseconds(150))) {
                sent.push_back(Clock::now());
                owner.sendShortMessage(keyboard, 64, 90);
            }
            playing = false;
            timer.join();
        }
        for (size_t i = 0; i < sent.size(); ++i)
            waits.push_back(std::chrono::duration<double, std::micro>(device.arrivals[i] - sent[i]).count());
    }
    std::sort(waits.begin(), waits.end());
    state.counters["p50_us"] = waits[waits.size() / 2];
    state.counters["p99_us"] = waits[waits.size() * 99 / 100];
}
BENCHMARK(keyboardDuringBursts)->Iterations(3)->Unit(benchmark::kMillisecond);
}  // namespace
