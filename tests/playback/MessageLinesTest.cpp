// The message lines: as the renderer and the recording output write them, as a recorded MIDI input is read
// back in both of its forms, and the recorded bytes they are made from.
#include <gtest/gtest.h>

#include <atomic>
#include <climits>
#include <sstream>
#include <string>

#include "playback/FileRecordingMidiOut.h"
#include "playback/InputLines.h"
#include "playback/InputReplay.h"
#include "playback/MessageLine.h"
#include "playback/RecordingMidiOut.h"
#include "tests/support/PlaybackRig.h"

namespace {
// The line as read back: the microseconds, then the bytes as the renderer prints them; "refused" when not.
std::string readBack(const std::string& text) {
    const std::optional<InputLine> line = parseInputLine(text);
    if (!line) return "refused";
    char formatted[messageLineCapacity];
    formatMessageLine(long(line->microseconds), line->bytes.data(), line->count, formatted, sizeof formatted);
    return formatted;
}
}  // namespace

TEST(InputLines, ReadsTheInputFormAndTheRecordingsLines) {
    const std::pair<const char*, const char*> cases[] = {
        // the line, and what is read
        {"1500000\t90 3C 64", "1500000 90 3C 64"},
        {"7\t 9 3a  64 ", "7 09 3A 64"},
        {"7\tF8", "7 F8"},  // one byte is a line, none is not
        {"7\t ", "refused"},
        {"10 90 3C 64\t1500000", "1500000 90 3C 64"},  // a recording's line: its real time counts
        {"0 F0 7E 7F 09 01 F7\t12", "12 F0 7E 7F 09 01 F7"},
        {"999999999999999999\t90 3C 64", "999999999999999999 90 3C 64"},
        {"1000000000000000000\t90 3C 64", "refused"},  // more digits than a time can have
        {"-5\t90 3C 64", "refused"},
        {"1500000 90 3C 64", "refused"},
        {"1500000\t90 3C4 64", "refused"},
        {"1500000\t90 3g 64", "refused"},
        {"\t90 3C 64", "refused"},
        {"10 90 3C 64\t", "refused"},
        {"", "refused"},
    };
    for (const auto& [text, read] : cases) EXPECT_EQ(readBack(text), read) << text;

    std::string longest = "0\tF0";
    for (size_t i = 2; i < MidiOut::longMessageCapacity; ++i) longest += " 00";
    EXPECT_NE(readBack(longest + " F7"), "refused");
    EXPECT_EQ(readBack(longest + " 00 F7"), "refused") << "a message longer than the device takes";
}

TEST(InputLines, TheReaderPassesBlankLinesAndStopsAtAnOverLongOneUnread) {
    std::istringstream in("10\t90 3C 64\r\n\n\r\n20\t80 3C 00\n30\tC0 05");
    InputLineReader reader(in);
    InputLine line;
    // Each read's result, the line's number, time and byte count: the last line needs no line end.
    using Read = std::tuple<InputLineReader::Result, long, int64_t, size_t>;
    std::vector<Read> reads;
    for (int i = 0; i < 4; ++i) {
        const InputLineReader::Result result = reader.next(line);
        reads.emplace_back(result, reader.lineNumber(), line.microseconds, line.count);
    }
    using R = InputLineReader::Result;
    EXPECT_EQ(reads, (std::vector<Read>{
                         {R::line, 1, 10, 3}, {R::line, 4, 20, 3}, {R::line, 5, 30, 2}, {R::end, 5, 30, 2}}));
    std::istringstream garbled("\n10\tnot a message\n");
    EXPECT_EQ(InputLineReader(garbled).next(line), InputLineReader::Result::bad);

    // As /dev/zero would be: a line that never ends.
    std::istringstream endless("\n" + std::string(100000, '1') + "\t90\n");
    InputLineReader tooLong(endless);
    EXPECT_EQ(tooLong.next(line), InputLineReader::Result::bad);
    EXPECT_EQ(tooLong.lineNumber(), 2);
    EXPECT_LT(endless.tellg(), 5000) << "the rest of an over-long line is not read";
}

TEST(InputLines, AReplayHandsEveryLineToTheSinkAtItsTimeAndALineWhoseTimeHasPassedAtOnce) {
    const std::string path = testing::TempDir() + "replayed-input.txt";
    std::ofstream(path)
        << "0\t90 3C 64\n1050000\tC1 05\n3600000000\t80 3C 00\n";  // the stop waits for no hour
    struct : MidiInputSink {
        std::atomic<size_t> bytes{0};
        std::atomic<int64_t> lastMicroseconds{0};
        void receive(const uint8_t*, size_t count) override {
            lastMicroseconds = FileRecordingMidiOut::steadyMicroseconds();
            bytes += count;
        }
    } sink;
    // Checked before the program starts: the number of the first bad line, 0 for a file that cannot be read.
    std::ofstream(path + "-bad") << "0\t90 3C 64\n\nnot a line\n";
    EXPECT_EQ(std::tuple(InputReplay::firstBadLine(path), InputReplay::firstBadLine(path + "-bad"),
                         InputReplay::firstBadLine(path + "-gone")),
              std::tuple(std::nullopt, std::optional<long>(3), std::optional<long>(0)));
    InputReplay replay(path);
    const int64_t origin = FileRecordingMidiOut::steadyMicroseconds() - 1000000;  // the first line is late
    replay.start(sink, origin);
    for (int waited = 0; waited < 2000 && sink.bytes < 5; ++waited)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    std::this_thread::sleep_for(std::chrono::milliseconds(50));  // the replay is waiting for the last line
    replay.stop();
    EXPECT_EQ(sink.bytes, 5u);
    EXPECT_GE(sink.lastMicroseconds, origin + 1050000) << "the second line waits for its time";
}

TEST(MessageLine, WritesTheTimeThenTheBytesAndCutsAtAWholeByte) {
    const uint8_t noteOn[] = {0x90, 0x3C, 0x7F};
    char longest[messageLineCapacity];
    formatMessageLine(LONG_MIN, noteOn, 3, longest, sizeof longest);
    EXPECT_STREQ(longest, (std::to_string(LONG_MIN) + " 90 3C 7F").c_str());
    const std::pair<size_t, const char*> cut[] = {
        {1, ""}, {3, "12"}, {4, "123"}, {6, "123"}, {7, "123 90"}, {12, "123 90 3C"}, {13, "123 90 3C 7F"}};
    EXPECT_EQ(formatMessageLine(123, noteOn, 3, nullptr, 0), 0u) << "no room, nothing written";
    for (const auto& [capacity, expected] : cut) {
        char line[16];
        std::fill(std::begin(line), std::end(line), 'x');
        EXPECT_EQ(formatMessageLine(123, noteOn, 3, line, capacity), std::string(expected).size())
            << capacity;
        EXPECT_STREQ(line, expected) << capacity;
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
    assigned[0] = copy[1], assigned[0] = copy[0];  // a short message over a long one
    assigned[1] = copy[0], assigned[1] = copy[1];  // and a long one over a short one
    assigned[2] = copy[2];
    out.clear();
    const std::vector<std::string> expected = {"5 C1 05 00", "5 F0 41 10 42 12 40 00 7F 00 41 F7", "5 F6"};
    EXPECT_EQ(std::pair(messageLines(copy), messageLines(assigned)), std::pair(expected, expected));
}
