#pragma once
#include <cstdint>

// Code page 932 read without asking the system, so that lyrics read the same in the program, the renderer
// and the page. Single bytes: ASCII below 0x80 and the half-width katakana A1-DF; two bytes: a lead byte
// 81-9F or E0-FC and a trail byte 40-FC other than 7F, looked up in a table generated from the code page
// (scripts/make-shift-jis-table.py).
namespace shiftJis {
constexpr bool isLead(uint8_t byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}
}  // namespace shiftJis

// The UTF-16 unit of each lead and trail byte pair, 0 where the pair is no character: 60 lead bytes in
// order, each with the 189 trail bytes 40-FC.
extern const uint16_t shiftJisUnits[60 * 189];

namespace shiftJis {
constexpr int trailCount = 189;
// The character of a pair, 0 when it is none.
inline char32_t pair(uint8_t lead, uint8_t trail) {
    if (!isLead(lead) || trail < 0x40 || trail > 0xFC) return 0;
    const int row = lead <= 0x9F ? lead - 0x81 : lead - 0xE0 + 0x1F;
    return shiftJisUnits[row * trailCount + (trail - 0x40)];
}
}  // namespace shiftJis
