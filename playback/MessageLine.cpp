#include "playback/MessageLine.h"

#include <algorithm>
#include <cstdio>

size_t formatMessageLine(long timeMs, const uint8_t* bytes, size_t count, char* line, size_t capacity) {
    if (capacity == 0) return 0;
    int written = std::snprintf(line, capacity, "%ld", timeMs);
    if (written < 0) written = 0;
    size_t length = std::min(size_t(written), capacity - 1);
    static const char hexDigits[] = "0123456789ABCDEF";
    for (size_t i = 0; i < count && length + 3 < capacity; ++i) {
        line[length++] = ' ';
        line[length++] = hexDigits[bytes[i] >> 4];
        line[length++] = hexDigits[bytes[i] & 0x0F];
    }
    line[length] = '\0';
    return length;
}
