// How long a keyboard's message waits on its way to the device while the song sends bursts from the timer
// thread: through MidiDevice (a short lock around each output call), and through one queue with a single
// writer thread, the other way to keep every message whole and in order. The counters are the keyboard's
// median and 99th percentile in microseconds; the lower p99 decided MidiDevice's design.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <thread>
#include <vector>

#include "playback/MidiDevice.h"

namespace {
using Clock = std::chrono::steady_clock;
constexpr uint8_t keyboard = 0x9F;

// Each message takes about as long as a short message through winmm; one caller at a time, as both owners
// make sure. Notes when the keyboard's messages arrive.
struct TimedDevice : MidiOut {
    DeviceError sendShortMessage(uint8_t status, uint8_t, uint8_t) override {
        for (const auto done = Clock::now() + std::chrono::microseconds(2); Clock::now() < done;) {
        }
        if (status == keyboard) arrivals.push_back(Clock::now());
        return DeviceError::none;
    }
    void sendLongMessage(const uint8_t*, size_t) override {}
    std::vector<Clock::time_point> arrivals;
};

// Every sender puts its message in the queue; a thread of its own sends them in order.
class QueuedDevice : public MidiOut {
  public:
    explicit QueuedDevice(MidiOut& device) : device_(device), writer_([this] { write(); }) {}
    ~QueuedDevice() override {
        sendShortMessage(0, 0, 0);  // the end
        writer_.join();
    }
    DeviceError sendShortMessage(uint8_t status, uint8_t, uint8_t) override {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            queue_.push_back(status);
        }
        wake_.notify_one();
        return DeviceError::none;
    }
    void sendLongMessage(const uint8_t*, size_t) override {}

  private:
    void write() {
        for (std::vector<uint8_t> taken;; taken.clear()) {
            std::unique_lock<std::mutex> lock(mutex_);
            wake_.wait(lock, [this] { return !queue_.empty(); });
            taken.swap(queue_);
            lock.unlock();
            for (uint8_t status : taken) {
                if (status == 0) return;
                device_.sendShortMessage(status, 64, 90);
            }
        }
    }

    MidiOut& device_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::vector<uint8_t> queue_;
    std::thread writer_;
};

template <class Owner>
void keyboardDuringBursts(benchmark::State& state) {
    std::vector<double> waits;
    for (auto _ : state) {
        TimedDevice device;
        std::vector<Clock::time_point> sent;
        {
            Owner owner(device);
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
BENCHMARK_TEMPLATE(keyboardDuringBursts, MidiDevice)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(keyboardDuringBursts, QueuedDevice)->Iterations(3)->Unit(benchmark::kMillisecond);
}  // namespace
