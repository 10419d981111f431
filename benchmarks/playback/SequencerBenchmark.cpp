// Loading and playing a dense song in virtual time: the cost of each event on the timer thread.
#include <benchmark/benchmark.h>

#include "playback/Player.h"
#include "playback/VirtualTimer.h"
#include "tests/support/DenseSong.h"

namespace {
class CountingOut : public MidiOut {
  public:
    int sendShortMessage(uint8_t, uint8_t, uint8_t) override { return ++sent, 0; }
    void sendLongMessage(const uint8_t*, size_t) override { ++sent; }
    long sent = 0;
};

class PassThroughWindow : public ChannelMessageSink, public TickPoster, public PlayerHost {
  public:
    explicit PassThroughWindow(MidiOut& out) : out_(out) {}
    void processChannelMessage(int, const ChannelMessage& m) override {
        out_.sendShortMessage(m.status, m.data1, m.data2);
    }
    void postTick() override {}
    void resetForPlayback() override {}
    void drawPlayButton(bool) override {}
    void drawFastForwardButton(bool) override {}
    void blankMetersAndLamps() override {}
    void timerFailed() override {}
    void openNextSongListEntry() override {}

  private:
    MidiOut& out_;
};

// 64 tracks of 2000 steps, each step four notes and a controller in one tick.
void loadAndPlayDenseSong(benchmark::State& state) {
    const std::vector<uint8_t> image = denseSong(64, 2000);
    long events = 0;
    for (auto _ : state) {
        SongBuffer song;
        CountingOut out;
        PassThroughWindow window(out);
        LiveControls controls;
        Sequencer sequencer(song, out, window, controls, window);
        VirtualTimer timer;
        ShortMessageFailures failures;
        Player player(song, sequencer, out, timer, window, failures);
        player.loadSong(image);
        player.startPlayback();
        while (!sequencer.songEnded()) timer.tick();
        player.stopPlayback(Player::songFinished);
        events = out.sent;
        benchmark::DoNotOptimize(events);
    }
    state.counters["time_per_event"] = benchmark::Counter(
        double(events), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    state.counters["events"] = double(events);
}
BENCHMARK(loadAndPlayDenseSong)->Unit(benchmark::kMillisecond);
}  // namespace
