// The rotation of the SysEx buffers: a buffer is reused only once the device is done with it, and a
// message finding all four busy is dropped.
#include <gtest/gtest.h>

#include <array>
#include <utility>
#include <vector>

#include "playback/LongMessageRing.h"

namespace {
class ScriptedPort : public LongMessagePort {
  public:
    bool doneWith(int buffer) const override { return done[size_t(buffer)]; }
    bool send(int buffer, size_t count) override {
        done[size_t(buffer)] = false;
        sends.push_back({buffer, ring->data(buffer)[count - 1]});
        return accept;
    }
    using Send = std::pair<int, uint8_t>;  // the buffer and the message's last byte
    LongMessageRing* ring = nullptr;
    std::array<bool, LongMessageRing::bufferCount> done{};
    std::vector<Send> sends;
    bool accept = true;
};
}  // namespace

TEST(LongMessageRing, ReusesABufferOnlyOnceTheDeviceIsDoneAndDropsAMessageWhenAllAreBusy) {
    LongMessageRing ring;
    ScriptedPort port;
    port.ring = &ring;
    auto send = [&](uint8_t id) {
        const std::vector<uint8_t> bytes = {0xF0, 0x41, id};
        return ring.send(port, bytes.data(), bytes.size());
    };
    for (uint8_t id = 1; id <= 4; ++id) EXPECT_TRUE(send(id));
    EXPECT_FALSE(send(5));  // all four still going out: dropped, nothing overwritten
    port.done[2] = true;
    EXPECT_TRUE(send(6) && !send(7));  // the first one done, found past the busy ones
    using Send = ScriptedPort::Send;
    EXPECT_EQ(port.sends, (std::vector<Send>{{0, 1}, {1, 2}, {2, 3}, {3, 4}, {2, 6}}));

    // A refused send leaves its buffer free for the next message.
    port.done.fill(true);
    port.accept = false;
    EXPECT_FALSE(send(8));
    port.accept = true;
    port.done.fill(false);
    EXPECT_TRUE(send(9));
    EXPECT_EQ(port.sends.back(), (Send{3, 9}));

    // A message filling a buffer goes out whole; nothing empty or longer reaches the device.
    port.done.fill(true);
    std::vector<uint8_t> longest(MidiOut::longMessageCapacity + 1, 0x10);
    longest[MidiOut::longMessageCapacity - 1] = 0xF7;
    EXPECT_TRUE(ring.send(port, longest.data(), MidiOut::longMessageCapacity));
    EXPECT_EQ(port.sends.back(), (Send{0, 0xF7}));
    EXPECT_FALSE(ring.send(port, longest.data(), longest.size()) || ring.send(port, longest.data(), 0));
    EXPECT_EQ(port.sends.size(), 8u);

    // After a close every buffer is free again, though the device opened next has said it is done with none.
    port.done.fill(false), ring.forgetSent();
    EXPECT_TRUE(send(10));
}
