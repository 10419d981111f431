#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The text of the song's words as the window shows it. Lyric bytes carry no note of their encoding: most
// songs with words are Japanese and in Shift-JIS (code page 932), newer ones in UTF-8. A song's words are all
// in one encoding, chosen from all of them together: UTF-8 where they start with its byte order mark, or
// where every one is valid UTF-8 and not every one valid Shift-JIS; Shift-JIS otherwise. A byte that is no
// character of the chosen encoding shows as "?": never left out, never read past its event.
enum class LyricEncoding { shiftJis, utf8 };

// A run of bytes in the song image (one event's text).
struct LyricBytes {
    const uint8_t* data = nullptr;
    size_t size = 0;
};

bool isUtf8(LyricBytes text);
bool isShiftJis(LyricBytes text);
LyricEncoding chooseLyricEncoding(const std::vector<LyricBytes>& texts);

// The text in UTF-8: a byte order mark left out, control characters other than the line ends (CR, LF)
// shown as "?" like bytes that are no character.
std::string lyricAsUtf8(LyricBytes text, LyricEncoding encoding);
