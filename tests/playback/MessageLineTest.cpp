// The message lines of the renderer and the recording output, and the recorded bytes they are made from.
#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <string>

#include "playback/MessageLine.h"
#include "playback/RecordingMidiOut.h"
#include "tests/support/PlaybackRig.h"

TEST(MessageLine, WritesTheTimeAsPrintfDoesThenTheBytesAndCutsAtAWholeByte) {
    const uint8_t noteOn[] = {0x90, 0x3C, 0x7F};
    for (long time : {0L, 7L, 120L, 86400000L, -1L, -3600L, LONG_MAX, LONG_MIN}) {
        char expected[64];
        std::snprintf(expected, sizeof expected, "%ld 90 3C 7F", time);
        char line[messageLineCapacity];
        EXPECT_EQ(formatMessageLine(time, noteOn, 3, line, sizeof line), std::string(expected).size());
        EXPECT_STREQ(line, expected);
    }
    const struct {
        size_t capacity;
        const char* line;
    } cut[] = {{1, ""},       {3, "12"},         {4, "123"},          {6, "123"},
               {7, "123 90"}, {12, "123 90 3C"}, {13, "123 90 3C 7F"}};
    for (const auto& c : cut) {
        char line[16];
        std::fill(std::begin(line), std::end(line), 'x');
        EXPECT_EQ(formatMessageLine(123, noteOn, 3, line, c.capacity), std::string(c.line).size())
            << c.capacity;
        EXPECT_STREQ(line, c.line) << c.capacity;
    }
}

TEST(MessageLine, RecordedMessagesKeepTheirBytesWhenTheRecordingIsCopied) {
    RecordingMidiOut out;
    out.setTime(5);
    out.sendShortMessage(0xC1, 0x05, 0x00);
    const uint8_t gsReset[] = {0xF0, 0x41, 0x10, 0x42, 0x12, 0x40, 0x00, 0x7F, 0x00, 0x41, 0xF7};
    out.sendLongMessage(gsReset, sizeof gsReset);
    const uint8_t tuneRequest[] = {0xF6};
    out.sendLongMessage(tuneRequest, 1);

    const std::vector<RecordingMidiOut::Message> copy = out.messages();
    std::vector<RecordingMidiOut::Message> assigned(3);
    assigned[0] = copy[1];
    assigned[0] = copy[0];  // a short message over a long one
    assigned[1] = copy[0];
    assigned[1] = copy[1];  // and a long one over a short one
    assigned[2] = copy[2];
    out.clear();
    const std::vector<std::string> expected = {"5 C1 05 00", "5 F0 41 10 42 12 40 00 7F 00 41 F7", "5 F6"};
    EXPECT_EQ(messageLines(copy), expected);
    EXPECT_EQ(messageLines(assigned), expected);
}
