// System exclusive messages at the edges: the staging buffer's last byte and the GM System On mark.
#include <gtest/gtest.h>

#include <algorithm>

#include "playback/SmfWriter.h"
#include "tests/support/VirtualPlayer.h"

namespace {
using Messages = std::vector<std::vector<uint8_t>>;

// Keeps every message the sequencer hands over, as any output takes it.
class EveryMessageOut : public MidiOut {
  public:
    DeviceError sendShortMessage(uint8_t status, uint8_t data1, uint8_t data2) override {
        messages.push_back({status, data1, data2});
        return DeviceError::none;
    }
    void deliverLongMessage(const uint8_t* bytes, size_t count) override {
        messages.emplace_back(bytes, bytes + count);
    }

    Messages messages;
};

// Data bytes of the given count, ending with F7 like a complete message.
std::vector<uint8_t> sysExData(size_t count) {
    std::vector<uint8_t> data(count);
    for (size_t i = 0; i < count; ++i) data[i] = uint8_t(i % 0x7F);
    data.back() = 0xF7;
    return data;
}

struct Played {
    Messages sent;  // after the load, up to the note-on
    bool gmSystemOn = false;
};

// Plays a song of one track: the SysEx F0 <length> <data> at time 0, then a note-on to show the track went
// on.
Played play(const std::vector<uint8_t>& data) {
    VirtualPlayer<EveryMessageOut> rig;
    rig.player.loadSong(
        SmfWriter(0, 480)
            .track(
                join({{0x00, 0xF0}, varLen(uint32_t(data.size())), data, {0x00, 0x90, 60, 1}, endOfTrack()}))
            .bytes());
    rig.out.messages.clear();
    rig.player.startPlayback();
    for (int tick = 0; tick < 10 && rig.player.playing(); ++tick) {
        rig.timer.tick();
        rig.player.onTick();
    }
    EXPECT_FALSE(rig.player.playing());
    const Messages& sent = rig.out.messages;
    const auto noteOn = std::find(sent.begin(), sent.end(), std::vector<uint8_t>{0x90, 60, 1});
    return {Messages(sent.begin(), noteOn == sent.end() ? noteOn : noteOn + 1),
            rig.sequencer.gmSystemOnSeen()};
}
}  // namespace

// The longest message that fits goes out whole and one byte more is skipped whole; only the five data bytes
// of GM System On mark it.
TEST(SysEx, TheLongestThatFitsGoesOutWholeAndOnlyGmSystemOnMarksIt) {
    const std::vector<uint8_t> noteOn = {0x90, 60, 1}, fits = sysExData(MidiOut::longMessageCapacity - 1);
    const struct {
        const char* message;
        std::vector<uint8_t> data;
        bool sent, gmSystemOn;
    } cases[] = {
        {"GM System On", {0x7E, 0x7F, 0x09, 0x01, 0xF7}, true, true},
        {"five bytes of a Roland message", {0x41, 0x10, 0x42, 0x12, 0xF7}, true, false},
        {"a universal message one byte longer", {0x7E, 0x7F, 0x09, 0x01, 0x00, 0xF7}, true, false},
        {"a universal message one byte shorter", {0x7E, 0x7F, 0x09, 0xF7}, true, false},
        {"the longest that fits", fits, true, false},
        {"one byte more", sysExData(MidiOut::longMessageCapacity), false, false},
    };
    for (const auto& c : cases) {
        const Played played = play(c.data);
        EXPECT_EQ(played.gmSystemOn, c.gmSystemOn) << c.message;
        EXPECT_EQ(played.sent, (c.sent ? Messages{join({{0xF0}, c.data}), noteOn} : Messages{noteOn}))
            << c.message;
    }
}
