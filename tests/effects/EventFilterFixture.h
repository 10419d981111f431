#pragma once
#include <gtest/gtest.h>

#include <atomic>
#include <vector>

#include "effects/EventFilter.h"
#include "playback/RecordingMidiOut.h"

// An event filter wired to a recording device, with the state a freshly loaded song leaves.
class EventFilterFixture : public ::testing::Test {
  protected:
    using Bytes = std::vector<uint8_t>;

    EventFilterFixture() { filter.resetForPlayback(); }

    void send(uint8_t status, uint8_t data1, uint8_t data2 = 0) {
        filter.processChannelMessage(0, ChannelMessage{status, data1, data2});
    }

    // Sends one message and returns what reached the device because of it.
    std::vector<Bytes> through(uint8_t status, uint8_t data1, uint8_t data2 = 0) {
        const size_t before = out.messages().size();
        send(status, data1, data2);
        std::vector<Bytes> result;
        for (size_t i = before; i < out.messages().size(); ++i) result.push_back(out.messages()[i].bytes);
        return result;
    }

    // The one message that a single message became (empty when it was dropped or doubled).
    Bytes single(uint8_t status, uint8_t data1, uint8_t data2 = 0) {
        const std::vector<Bytes> result = through(status, data1, data2);
        return result.size() == 1 ? result.front() : Bytes{};
    }

    // The key a note-on goes out with.
    int keyOf(uint8_t status, uint8_t key) {
        const Bytes message = single(status, key, 100);
        return message.empty() ? -1 : message[1];
    }

    void selectEffect(EffectType type, int start = 0, int end = 3599) {
        settings.type = type;
        settings.window = EffectWindow{start, end};
    }

    RecordingMidiOut out;
    LiveControls controls;
    EffectSettings settings;
    ChannelTones tones;
    std::atomic<int> playSeconds{0};
    EventFilter filter{out, controls, settings, tones, playSeconds};
};
