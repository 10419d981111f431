#pragma once
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <functional>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "effects/EventFilter.h"
#include "playback/PlayClock.h"
#include "playback/RecordingMidiOut.h"
#include "playback/SongBuffer.h"
#include "tests/support/Steps.h"

// An event filter wired to a device, with everything it reads.
template <class Device>
struct FilterRig {
    Device out;
    LiveControls controls;
    EffectSettings settings;
    ChannelTones tones;
    SongBuffer song;
    PlayClock clock;
    AutoPan autoPan{out, controls, song};
    EventFilter filter{out, controls, settings, tones, clock, autoPan};
};

// A device for several threads that keeps what a module would hold on each channel: the keys sounding and
// the last program change and bank select.
class ModuleStateDevice : public MidiOut {
  public:
    DeviceError sendShortMessage(uint8_t status, uint8_t data1, uint8_t data2) override {
        const std::lock_guard<std::mutex> hold(mutex_);
        Channel& channel = channels_[status & 0x0F];
        const int kind = status & 0xF0;
        if (kind == 0x90 || kind == 0x80) channel.sounding[data1] = kind == 0x90 && data2 > 0;
        if (kind == 0xB0 && data1 == midi::controller::allNotesOff) channel.sounding = {};
        if (kind == 0xB0 && data1 == 0) channel.bank = data2;
        if (kind == 0xC0) channel.program = data1;
        return DeviceError::none;
    }
    void deliverLongMessage(const uint8_t*, size_t) override {}
    int soundingKeys(int channel) {
        const std::lock_guard<std::mutex> hold(mutex_);
        int count = 0;
        for (bool key : channels_[channel].sounding) count += key;
        return count;
    }
    std::pair<int, int> lastTone(int channel) {
        const std::lock_guard<std::mutex> hold(mutex_);
        return {channels_[channel].program, channels_[channel].bank};
    }

  private:
    struct Channel {
        std::array<bool, 128> sounding{};
        int program = 0, bank = 0;
    };
    std::mutex mutex_;
    std::array<Channel, 16> channels_{};
};

// A recording device that can run an action while the next message is on its way to it.
struct HookedRecordingOut : RecordingMidiOut {
    DeviceError sendShortMessage(uint8_t status, uint8_t data1, uint8_t data2) override {
        if (duringNextSend) std::exchange(duringNextSend, nullptr)();
        return RecordingMidiOut::sendShortMessage(status, data1, data2);
    }
    std::function<void()> duringNextSend;
};

// An event filter wired to a recording device, with the state a freshly loaded song leaves.
class EventFilterFixture : public ::testing::Test, protected FilterRig<HookedRecordingOut> {
  protected:
    EventFilterFixture() { filter.resetForPlayback(); }

    // Sends each message ("90 3C 64; 80 3C 00") as the song does, or as bytes to |receive|, and returns what
    // reached the device because of it; a step that change() takes changes the controls instead.
    Lines filtered(const char* messages,
                   const std::function<void(const std::vector<uint8_t>&)>& receive = {}) {
        Lines result;
        for (const std::string& message : steps(messages)) {
            if (change(message)) continue;
            const size_t before = out.messages().size();
            std::vector<uint8_t> bytes = bytesOf(message);
            if (receive) {
                receive(bytes);
            } else {
                bytes.resize(3);
                filter.processChannelMessage(0, {bytes[0], bytes[1], bytes[2]});
            }
            // What reached the device since: two messages joined by " + ", "-" for none.
            std::string sent;
            for (size_t i = before; i < out.messages().size(); ++i)
                sent +=
                    (sent.empty() ? "" : " + ") + RecordingMidiOut::formatLine(out.messages()[i]).substr(2);
            result.push_back(sent.empty() ? "-" : sent);
        }
        return result;
    }

    void selectEffect(EffectType type, int start = 0, int end = 3599) {
        settings.type = type;
        settings.window = EffectWindow{start, end};
    }

    // A change named by words: "at SECONDS" (the play time), "shift N" (the transpose, touched), "window
    // START END" (the folk scale in that window) or "restart" (a new play start); false for anything else.
    virtual bool change(const std::string& word) {
        int a = 0, b = 0;
        if (std::sscanf(word.c_str(), "at %d", &a) == 1) return clock.playSeconds = a, true;
        if (std::sscanf(word.c_str(), "shift %d", &a) == 1)
            return controls.keyShift = a, controls.keyShiftActive = true, true;
        if (std::sscanf(word.c_str(), "window %d %d", &a, &b) == 2)
            return selectEffect(EffectType::folk, a, b), true;
        if (word == "restart") filter.resetForPlayback();
        return word == "restart";
    }
};
