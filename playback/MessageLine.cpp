#include "playback/MessageLine.h"

#include <algorithm>
#include <charconv>
#include <cstring>

size_t formatMessageLine(long timeMs, const uint8_t* bytes, size_t count, char* line, size_t capacity) {
    if (capacity == 0) return 0;
    // The digits of a long as "%ld" writes them, without printf's parsing of its format on every line.
    char digits[24];
    const size_t written = size_t(std::to_chars(digits, digits + sizeof digits, timeMs).ptr - digits);
    size_t length = std::min(written, capacity - 1);
    std::memcpy(line, digits, length);
    static const char hexDigits[] = "0123456789ABCDEF";
    for (size_t i = 0; i < count && length + 3 < capacity; ++i) {
        line[length++] = ' ';
        line[length++] = hexDigits[bytes[i] >> 4];
        line[length++] = hexDigits[bytes[i] & 0x0F];
    }
    line[length] = '\0';
    return length;
}
