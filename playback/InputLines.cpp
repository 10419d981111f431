#include "playback/InputLines.h"

#include <charconv>

namespace {
constexpr int maxTimeDigits = 18;  // an int64 of microseconds is some 290 000 years

bool isDigits(std::string_view text) {
    if (text.empty() || text.size() > maxTimeDigits) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// Bytes of one or two hex digits, apart by spaces; at least one.
bool parseBytes(std::string_view text, InputLine& line) {
    line.count = 0;
    size_t i = 0;
    while (i < text.size()) {
        if (text[i] == ' ') {
            ++i;
            continue;
        }
        int value = 0;
        size_t digits = 0;
        for (; i < text.size() && text[i] != ' '; ++i, ++digits) {
            const int digit = hexValue(text[i]);
            if (digit < 0 || digits == 2) return false;
            value = value * 16 + digit;
        }
        if (line.count == line.bytes.size()) return false;
        line.bytes[line.count++] = uint8_t(value);
    }
    return line.count > 0;
}

int64_t number(std::string_view digits) {
    int64_t value = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return value;
}
}  // namespace

std::optional<InputLine> parseInputLine(std::string_view text) {
    const size_t tab = text.find('\t');
    if (tab == std::string_view::npos) return std::nullopt;
    const std::string_view before = text.substr(0, tab);
    const std::string_view after = text.substr(tab + 1);
    InputLine line;
    if (isDigits(before)) {
        if (!parseBytes(after, line)) return std::nullopt;
        line.microseconds = number(before);
        return line;
    }
    // A recording's line: its play time goes, its real time is the arrival.
    const size_t space = before.find(' ');
    if (space == std::string_view::npos || !isDigits(before.substr(0, space)) || !isDigits(after) ||
        !parseBytes(before.substr(space + 1), line))
        return std::nullopt;
    line.microseconds = number(after);
    return line;
}

InputLineReader::Result InputLineReader::next(InputLine& line) {
    for (;;) {
        text_.clear();
        int c = 0;
        while ((c = in_.get()) != std::char_traits<char>::eof() && c != '\n') {
            // The line is bad already: the rest of it (a gigabyte, or an endless device) is not read.
            if (text_.size() == longestLine) {
                ++lineNumber_;
                return Result::bad;
            }
            text_.push_back(char(c));
        }
        if (c == std::char_traits<char>::eof() && text_.empty()) return Result::end;
        ++lineNumber_;
        if (!text_.empty() && text_.back() == '\r') text_.pop_back();
        if (text_.empty()) continue;
        const std::optional<InputLine> parsed = parseInputLine(text_);
        if (!parsed) return Result::bad;
        line = *parsed;
        return Result::line;
    }
}
