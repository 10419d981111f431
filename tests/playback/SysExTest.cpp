// System exclusive messages at the edges: the staging buffer's last byte and the GM System On mark.
#include <gtest/gtest.h>

#include "playback/SmfWriter.h"
#include "tests/support/PlaybackRig.h"

namespace {
using Messages = std::vector<std::vector<uint8_t>>;

// Data bytes of the given count, ending with F7 like a complete message.
std::vector<uint8_t> sysExData(size_t count) {
    std::vector<uint8_t> data(count);
    for (size_t i = 0; i < count; ++i) data[i] = uint8_t(i % 0x7F);
    data.back() = 0xF7;
    return data;
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
        // A song of one track: the SysEx F0 <length> <data> at time 0, then a note-on to show the track went
        // on. What is sent after the load, up to the note-on.
        PlaybackRig rig;
        rig.load(SmfWriter(0, 480)
                     .track(join({{0x00, 0xF0},
                                  varLen(uint32_t(c.data.size())),
                                  c.data,
                                  {0x00, 0x90, 60, 1},
                                  endOfTrack()}))
                     .bytes());
        rig.out.clear();
        rig.player.startPlayback();
        rig.runUntilStopped(10);
        Messages sent;
        for (const RecordingMidiOut::Message& message : rig.out.messages())
            if (sent.empty() || sent.back() != noteOn)
                sent.emplace_back(message.bytes.begin(), message.bytes.end());
        EXPECT_EQ(rig.sequencer.gmSystemOnSeen(), c.gmSystemOn) << c.message;
        EXPECT_EQ(sent, (c.sent ? Messages{join({{0xF0}, c.data}), noteOn} : Messages{noteOn})) << c.message;
    }
}
