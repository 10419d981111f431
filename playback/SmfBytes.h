#pragma once
#include <cstdint>
#include <vector>

// Pieces of Standard MIDI File writing, for the songs the program and its tools write.
// The variable-length quantity of a value: 7 bits a byte, most significant group first.
inline void appendVarLen(std::vector<uint8_t>& out, uint32_t value) {
    uint8_t groups[5];
    int count = 0;
    do {
        groups[count++] = uint8_t(value & 0x7F);
        value >>= 7;
    } while (value);
    while (count > 1) out.push_back(uint8_t(groups[--count] | 0x80));
    out.push_back(groups[0]);
}

inline void appendBe32(std::vector<uint8_t>& out, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(uint8_t(value >> shift));
}
