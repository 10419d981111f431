// The tone dialog's OK on the window thread against the song's program changes and bank selects on the
// timer thread: whatever the order, the lock holds the user's tone and the device ends on it.
#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <functional>
#include <mutex>
#include <thread>
#include <utility>

#include "tests/effects/EventFilterFixture.h"
#include "tones/ToneDialogModel.h"
#include "tones/ToneTable.h"

namespace {
// The lock lands while the filter's message is on its way to the device: after the song's value went into
// the tone, before the device has it.
class LockWhileSending : public EventFilterFixture {
  protected:
    struct Device : RecordingMidiOut {
        DeviceError sendShortMessage(uint8_t status, uint8_t data1, uint8_t data2) override {
            if (duringNextSend) std::exchange(duringNextSend, nullptr)();
            return RecordingMidiOut::sendShortMessage(status, data1, data2);
        }
        std::function<void()> duringNextSend;
    } device;
    EventFilter lockingFilter{device, controls, settings, tones, clock, autoPan};

    Lines sent(const Lines& messages) {
        for (const std::string& message : messages) lockingFilter.processChannelMessage(0, parsed(message));
        Lines result;
        for (const auto& message : device.messages()) result.push_back(hex(message));
        device.clear();
        return result;
    }
};

// The locked tone follows the song's message that was on its way; an unchanged value is not sent twice.
TEST_F(LockWhileSending, TheLockedToneFollowsTheSongsMessageOnItsWay) {
    device.duringNextSend = [this] { tones.fix(2, 40, 1); };
    EXPECT_EQ(sent({"C2 21"}), (Lines{"C2 21 00", "C2 28 00"}));
    device.duringNextSend = [this] { tones.fix(5, 0, 8); };
    EXPECT_EQ(sent({"B5 00 00"}), (Lines{"B5 00 00", "B5 00 08"}));
    device.duringNextSend = [this] { tones.fix(6, 4, 0); };
    EXPECT_EQ(sent({"C6 04"}), Lines{"C6 04 00"}) << "the song's program is the locked one";
}

// A device for two threads that keeps the last program change and bank select of each channel.
class LastToneDevice : public MidiOut {
  public:
    DeviceError sendShortMessage(uint8_t status, uint8_t data1, uint8_t data2) override {
        const std::lock_guard<std::mutex> hold(mutex_);
        if ((status & 0xF0) == 0xC0) program_[status & 0x0F] = data1;
        if ((status & 0xF0) == 0xB0 && data1 == 0) bank_[status & 0x0F] = data2;
        return DeviceError::none;
    }
    void sendLongMessage(const uint8_t*, size_t) override {}
    std::pair<int, int> lastTone(int channel) {
        const std::lock_guard<std::mutex> hold(mutex_);
        return {program_[channel], bank_[channel]};
    }

  private:
    std::mutex mutex_;
    std::array<int, 16> program_{};
    std::array<int, 16> bank_{};
};

// Not a proof, since the interleavings come from the scheduler, but each round races a preview and OK
// against a song that keeps setting its own tone; a stale tone in the lock or on the device fails it.
TEST(ToneLockRace, OkAgainstTheSongsToneChangesEndsOnTheChoiceInTheLockAndOnTheDevice) {
    LastToneDevice out;
    LiveControls controls;
    EffectSettings settings;
    ChannelTones tones;
    SongBuffer song;
    PlayClock clock;
    AutoPan autoPan{out, controls, song};
    EventFilter filter{out, controls, settings, tones, clock, autoPan};
    const int choice = toneIndex(SoundModule::sc88, 40, 8);
    for (int round = 0; round < 300; ++round) {
        tones.reset();
        tones.takeSongProgram(3, 33);
        ToneDialogModel dialog(tones, out, 3, SoundModule::sc88, false);
        std::atomic<bool> started{false};
        std::thread song([&] {
            started = true;
            for (int i = 0; i < 200; ++i) {
                filter.processChannelMessage(0, {0xB3, 0x00, uint8_t(i % 2)});
                filter.processChannelMessage(0, {0xC3, uint8_t(33 + i % 3), 0});
            }
        });
        while (!started) std::this_thread::yield();
        dialog.select(choice);
        dialog.ok();
        song.join();
        const ChannelTone locked = tones.at(3);
        ASSERT_TRUE(locked.fixed);
        ASSERT_EQ(std::make_pair(int(locked.program), int(locked.bank)), std::make_pair(40, 8)) << round;
        ASSERT_EQ(out.lastTone(3), std::make_pair(40, 8)) << round;
    }
}
}  // namespace
