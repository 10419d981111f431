// The sequencer plays on the timer's thread while the window thread presses the face's buttons: tempo
// steps, fast forward and stop land in the middle of ticks. .ci/run also runs these under ThreadSanitizer.
#include <atomic>
#include <chrono>
#include <thread>

#include "effects/PlaybackEngine.h"
#include "playback/RecordingMidiOut.h"
#include "tests/app/FaceControlsFixture.h"

namespace {

// Calls its client on a thread of its own, with a short pause between calls, until stopped. Like the
// kill-synchronous multimedia timer, stop() returns only once no call is running or will run.
class ThreadTimer : public PlaybackTimer {
  public:
    ~ThreadTimer() override { stop(); }
    bool start(int, TimerClient& client) override {
        stop();
        running_.store(true);
        thread_ = std::thread([this, &client] {
            while (running_.load()) {
                calls_.fetch_add(1);  // counted first, so a caller that sees it knows a call is under way
                client.onTimer();
                std::this_thread::sleep_for(std::chrono::microseconds(100));
            }
        });
        return true;
    }
    void stop() override {
        running_.store(false);
        if (thread_.joinable()) thread_.join();
    }
    // Returns once the thread has begun another call (at once when it is not running).
    void awaitCall() const {
        const long seen = calls_.load();
        while (running_.load() && calls_.load() == seen) std::this_thread::yield();
    }
    long calls() const { return calls_.load(); }

  private:
    std::atomic<bool> running_{false};
    std::atomic<long> calls_{0};
    std::thread thread_;
};

constexpr int songNotes = 10000;
uint8_t keyOf(int note) {
    return uint8_t(24 + note % 80);
}

// Eighth notes on channel 1 at 120 beats per minute, each a different key from the last: about 40 minutes,
// so the song outlasts the test even when the window thread is held up for a long while.
std::vector<uint8_t> longSong() {
    std::vector<uint8_t> events = tempoEvent(500000);
    for (int note = 0; note < songNotes; ++note)
        events.insert(events.end(), {0x3C, 0x90, keyOf(note), 100, 0x3C, 0x80, keyOf(note), 0});
    return SmfWriter(0, 480).track(join({events, endOfTrack()})).bytes();
}

// What the song sends from its start, note for note, as the device records it (times are not kept).
Lines songFromStart(size_t count) {
    Lines lines;
    for (size_t i = 0; i < count; ++i) {
        const int note = int(i / 2);
        lines.push_back(RecordingMidiOut::formatLine(
            {0, {uint8_t(i % 2 == 0 ? 0x90 : 0x80), keyOf(note), uint8_t(i % 2 == 0 ? 100 : 0)}}));
    }
    return lines;
}

// The window side: the face's controls over a player whose timer is a real thread. Ticks posted by the
// timer thread are handled when the test pumps them, as the window's message loop would.
class CrossThread : public testing::Test, TickPoster, WindowlessPlayerHost {
  protected:
    CrossThread() {
        engine.loadSong(longSong());
        face.songLoaded = true;
        out.clear();
    }
    void click(const face::Rect& r) {
        controls.leftButtonDown((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        pumpTicks();
    }
    void release() {
        controls.leftButtonUp();
        pumpTicks();
    }
    void pumpTicks() {
        if (postedTicks_.exchange(0) > 0) player.onTick();
    }

    RecordingMidiOut out;
    ShortMessageFailures failures;
    ThreadTimer timer;
    PlaybackEngine engine{out, timer, *this, *this, failures};
    Sequencer& sequencer = engine.sequencer();
    Player& player = engine.player();
    FaceState face;
    RecordingFaceDrawing drawing;
    FaceControls controls{face, engine, drawing, [](int) {}};

  private:
    void postTick() override { postedTicks_.fetch_add(1); }

    std::atomic<int> postedTicks_{0};
};
}  // namespace

TEST_F(CrossThread, TempoButtonsFastForwardAndStopDuringTicksKeepTheSongInOrderAndTheTempoWhereSet) {
    RecordingMidiOut stopped;
    Player::sendStopMessages(stopped);
    const Lines stop = messageLines(stopped.messages());
    int expectedTempo = 120;
    for (int round = 0; round < 4; ++round) {
        click(face::playHot);
        ASSERT_TRUE(player.playing());
        const long callsAtStart = timer.calls();
        // Twelve steps up and eight down, with fast forward held between them.
        for (int press = 0; press < 20; ++press) {
            timer.awaitCall();
            const bool up = press % 5 < 3;
            click(up ? face::tempoField.up.hot : face::tempoField.down.hot);
            release();
            expectedTempo += up ? 10 : -10;
            timer.awaitCall();
            click(face::fastForwardHot);
            timer.awaitCall();
            timer.awaitCall();
            release();
        }
        timer.awaitCall();
        click(face::stopHot);  // most likely while the timer thread is inside a tick
        ASSERT_FALSE(player.playing());
        EXPECT_GT(timer.calls(), callsAtStart + 60) << "the presses were not spread over the ticks";

        // Whatever the song sent came in its own order from its start, then the stop silenced the device.
        const long callsAtStop = timer.calls();
        const size_t sentAtStop = out.messages().size();
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
        EXPECT_EQ(timer.calls(), callsAtStop) << "the timer called again after the stop";
        ASSERT_GE(sentAtStop, stop.size() + 2) << "round " << round;
        const size_t played = sentAtStop - stop.size();
        const Lines sent = messageLines(out.messages());
        EXPECT_EQ(Lines(sent.begin(), sent.begin() + long(played)), songFromStart(played))
            << "round " << round;
        EXPECT_EQ(Lines(sent.begin() + long(played), sent.end()), stop) << "round " << round;
        out.clear();
    }
    EXPECT_EQ(sequencer.displayTempo(), expectedTempo);
    EXPECT_DOUBLE_EQ(sequencer.msPerQuarter(), 60000.0 / expectedTempo);
    EXPECT_FALSE(sequencer.fastForwarding());
}
