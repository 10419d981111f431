// The lines of a recorded MIDI input, in both of the forms the program writes and reads.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "playback/InputLines.h"
#include "playback/MessageLine.h"

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
    const struct {
        const char* text;
        const char* read;
    } cases[] = {
        {"1500000\t90 3C 64", "1500000 90 3C 64"},
        {"0\tf8", "0 F8"},
        {"7\t 9 3c  64 ", "7 09 3C 64"},
        {"10 90 3C 64\t1500000", "1500000 90 3C 64"},  // a recording's line: its real time counts
        {"0 F0 7E 7F 09 01 F7\t12", "12 F0 7E 7F 09 01 F7"},
        {"999999999999999999\t90 3C 64", "999999999999999999 90 3C 64"},
        {"1000000000000000000\t90 3C 64", "refused"},  // more digits than a time can have
        {"-5\t90 3C 64", "refused"},
        {"1500000 90 3C 64", "refused"},
        {"1500000\t", "refused"},
        {"1500000\t90 3C4 64", "refused"},
        {"1500000\t90 3G 64", "refused"},
        {"\t90 3C 64", "refused"},
        {"10 90 3C 64\t", "refused"},
        {"10 90 3C 64\t15x", "refused"},
        {"x 90 3C 64\t15", "refused"},
        {"", "refused"},
    };
    for (const auto& c : cases) EXPECT_EQ(readBack(c.text), c.read) << c.text;

    std::string longest = "0\tF0";
    for (size_t i = 2; i < MidiOut::longMessageCapacity; ++i) longest += " 00";
    EXPECT_NE(readBack(longest + " F7"), "refused");
    EXPECT_EQ(readBack(longest + " 00 F7"), "refused") << "a message longer than the device takes";
}

TEST(InputLines, TheReaderPassesBlankLinesAndNamesTheBadOne) {
    std::istringstream in("10\t90 3C 64\r\n\n\r\n20\t80 3C 00\n" + std::string(5000, '1') +
                          "\t90\n30\tC0 05");
    InputLineReader reader(in);
    InputLine line;
    ASSERT_EQ(reader.next(line), InputLineReader::Result::line);
    EXPECT_EQ(line.microseconds, 10);
    ASSERT_EQ(reader.next(line), InputLineReader::Result::line);
    EXPECT_EQ(line.microseconds, 20);
    EXPECT_EQ(reader.lineNumber(), 4);
    EXPECT_EQ(reader.next(line), InputLineReader::Result::bad);
    EXPECT_EQ(reader.lineNumber(), 5);
    ASSERT_EQ(reader.next(line), InputLineReader::Result::line) << "the last line needs no line end";
    EXPECT_EQ(line.count, 2u);
    EXPECT_EQ(reader.next(line), InputLineReader::Result::end);
}
