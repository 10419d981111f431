// The state a jump gives the device: what each kind of message leaves behind, and the order it is sent in.
#include <gtest/gtest.h>

#include "playback/ControllerChase.h"
#include "playback/RecordingMidiOut.h"

namespace {
using Bytes = std::vector<uint8_t>;

std::vector<Bytes> chased(const std::vector<Bytes>& sent) {
    ControllerChase chase;
    for (const Bytes& message : sent) {
        if (message[0] >= 0xF0)
            chase.sendLongMessage(message.data(), message.size());
        else
            chase.sendShortMessage(message[0], message[1], message.size() > 2 ? message[2] : 0);
    }
    RecordingMidiOut device;
    chase.replay(device);
    std::vector<Bytes> replayed;
    for (const RecordingMidiOut::Message& message : device.messages())
        replayed.emplace_back(message.bytes.begin(), message.bytes.end());
    return replayed;
}

const Bytes gmOn = {0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7};
const Bytes gsPart = {0xF0, 0x41, 0x10, 0x42, 0x12, 0x40, 0x1A, 0x15, 0x02, 0x0F, 0xF7};
}  // namespace

TEST(ControllerChaseTest, KeepsWhatADeviceWouldHoldAndSendsTheBankBeforeTheProgram) {
    const struct {
        const char* name;
        std::vector<Bytes> sent, replayed;
    } cases[] = {
        {"the last value of each, the bank first",
         {{0xB0, 7, 10}, {0xC0, 5, 0}, {0xB0, 32, 1}, {0xB0, 0, 8}, {0xB0, 7, 20}, {0xB2, 10, 30}},
         {{0xB0, 0, 8}, {0xB0, 32, 1}, {0xC0, 5, 0}, {0xB0, 7, 20}, {0xB2, 10, 30}}},
        {"notes and the mode messages leave nothing",
         {{0x90, 60, 100}, {0x80, 60, 0}, {0xA0, 60, 5}, {0xB0, 123, 0}, {0xB0, 120, 0}},
         {}},
        {"reset all controllers keeps volume and pan",
         {{0xB0, 1, 40}, {0xB0, 64, 127}, {0xE0, 0, 80}, {0xD0, 30, 0}, {0xB0, 7, 50}, {0xB0, 121, 0}},
         {{0xB0, 7, 50}}},
        {"bend and pressure", {{0xE3, 0x12, 0x50}, {0xD3, 30, 0}}, {{0xE3, 0x12, 0x50}, {0xD3, 30, 0}}},
        {"each parameter with its data, the last one selected again",
         {{0xB0, 101, 0},
          {0xB0, 100, 0},
          {0xB0, 6, 12},
          {0xB0, 99, 1},
          {0xB0, 98, 8},
          {0xB0, 6, 70},
          {0xB0, 38, 3},
          {0xB0, 101, 0},
          {0xB0, 100, 0},
          {0xB0, 6, 2}},
         {{0xB0, 101, 0},
          {0xB0, 100, 0},
          {0xB0, 6, 2},
          {0xB0, 99, 1},
          {0xB0, 98, 8},
          {0xB0, 6, 70},
          {0xB0, 38, 3},
          {0xB0, 101, 0},
          {0xB0, 100, 0}}},
        {"data entry with no parameter selected goes nowhere",
         {{0xB0, 6, 12}, {0xB0, 101, 127}, {0xB0, 100, 127}, {0xB0, 6, 12}},
         {{0xB0, 101, 127}, {0xB0, 100, 127}}},
        {"system exclusive in order; a device reset forgets everything before it",
         {{0xB0, 7, 10}, gsPart, gmOn, gsPart, {0xB1, 7, 20}},
         {gmOn, gsPart, {0xB1, 7, 20}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(chased(c.sent), c.replayed);
    }
}
