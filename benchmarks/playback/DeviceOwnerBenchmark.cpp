// How long a keyboard's message waits on its way to the device while the song sends bursts from the timer
// thread: through MidiDevice (a short lock around each output call), and through one queue with a single
// writer thread, the other way to keep every message whole and in order. The counters are the keyboard's
// median and 99th percentile in microseconds; the lower p99 decided MidiDevice's design.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <thread>
#include <vector>

#include "playback/MidiDevice.h"

namespace {
using Clock = std::chrono::steady_clock;
constexpr uint8_t keyboardStatus = 0x9F;

// Each message takes about as long as a short message through winmm does; the keyboard's arrivals are noted.
// Only one caller at a time, as both owners guarantee.
class TimedDevice : public MidiOut {
  public:
    DeviceError sendShortMessage(uint8_t status, uint8_t, uint8_t) override {
        const Clock::time_point done = Clock::now() + std::chrono::microseconds(2);
        while (Clock::now() < done) {
        }
        if (status == keyboardStatus) arrivals.push_back(Clock::now());
        return DeviceError::none;
    }
    void sendLongMessage(const uint8_t*, size_t) override {}
    std::vector<Clock::time_point> arrivals;
};

// Every sender hands its message to a queue; one thread of its own sends them in order.
class QueuedDevice : public MidiOut {
  public:
    explicit QueuedDevice(MidiOut& device) : device_(device), writer_([this] { write(); }) {}
    ~QueuedDevice() override {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            done_ = true;
        }
        wake_.notify_one();
        writer_.join();
    }
    DeviceError sendShortMessage(uint8_t status, uint8_t data1, uint8_t data2) override {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            queue_.push_back({status, data1, data2});
        }
        wake_.notify_one();
        return DeviceError::none;
    }
    void sendLongMessage(const uint8_t*, size_t) override {}

  private:
    struct Message {
        uint8_t status, data1, data2;
    };
    void write() {
        std::unique_lock<std::mutex> lock(mutex_);
        for (;;) {
            wake_.wait(lock, [this] { return done_ || !queue_.empty(); });
            if (queue_.empty()) return;
            std::deque<Message> taken;
            taken.swap(queue_);
            lock.unlock();
            for (const Message& m : taken) device_.sendShortMessage(m.status, m.data1, m.data2);
            lock.lock();
        }
    }

    MidiOut& device_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<Message> queue_;
    bool done_ = false;
    std::thread writer_;
};

template <class Owner>
void keyboardDuringBursts(benchmark::State& state) {
    std::vector<double> waits;
    for (auto _ : state) {
        TimedDevice device;
        std::vector<Clock::time_point> sentAt;
        {
            Owner owner(device);
            std::atomic<bool> playing{true};
            // A busy song: 40 messages at every millisecond.
            std::thread timer([&] {
                while (playing.load()) {
                    for (int i = 0; i < 40; ++i) owner.sendShortMessage(0x90, 60, 100);
                    std::this_thread::sleep_for(std::chrono::milliseconds(1));
                }
            });
            for (int key = 0; key < 2000; ++key) {
                sentAt.push_back(Clock::now());
                owner.sendShortMessage(keyboardStatus, 64, 90);
                std::this_thread::sleep_for(std::chrono::microseconds(150));
            }
            playing = false;
            timer.join();
        }
        for (size_t i = 0; i < sentAt.size(); ++i)
            waits.push_back(std::chrono::duration<double, std::micro>(device.arrivals[i] - sentAt[i]).count());
    }
    std::sort(waits.begin(), waits.end());
    state.counters["p50_us"] = waits[waits.size() / 2];
    state.counters["p99_us"] = waits[waits.size() * 99 / 100];
}
BENCHMARK_TEMPLATE(keyboardDuringBursts, MidiDevice)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(keyboardDuringBursts, QueuedDevice)->Iterations(3)->Unit(benchmark::kMillisecond);
}  // namespace
