#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <istream>
#include <optional>
#include <string>
#include <string_view>

#include "playback/MidiOut.h"

// A recorded MIDI input, one message a line: the microseconds since the input was opened, a tab, and the
// bytes in hex ("1500000\t90 3C 64"). A line of "/out:record=FILE" is read too ("10 90 3C 64\t1500000":
// play time and bytes, a tab, the microseconds), so a recording can be played in again.
struct InputLine {
    int64_t microseconds = 0;
    std::array<uint8_t, MidiOut::longMessageCapacity> bytes{};
    size_t count = 0;  // 1 or more
};

// Nothing when the text is not such a line.
std::optional<InputLine> parseInputLine(std::string_view text);

// The lines of a stream in turn, blank ones passed over. A line longer than any message's is refused as
// soon as it is too long, and nothing after it is read.
class InputLineReader {
  public:
    enum class Result { line, end, bad };

    explicit InputLineReader(std::istream& in) : in_(in) {}
    Result next(InputLine& line);
    // The number of the line last read, from 1.
    long lineNumber() const { return lineNumber_; }

  private:
    static constexpr size_t longestLine = 64 + 3 * MidiOut::longMessageCapacity;

    std::istream& in_;
    long lineNumber_ = 0;
    std::string text_;
};
