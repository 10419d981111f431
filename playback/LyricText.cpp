#include "playback/LyricText.h"

#include "playback/ShiftJis.h"

namespace {
constexpr uint8_t byteOrderMark[] = {0xEF, 0xBB, 0xBF};

bool startsWithByteOrderMark(LyricBytes text) {
    return text.size >= 3 && text.data[0] == byteOrderMark[0] && text.data[1] == byteOrderMark[1] &&
           text.data[2] == byteOrderMark[2];
}

bool isContinuation(uint8_t byte) {
    return (byte & 0xC0) == 0x80;
}

// The length of the UTF-8 sequence at p with left bytes there, 0 when it is none (overlong forms, the
// surrogates and anything above U+10FFFF included).
size_t utf8Sequence(const uint8_t* p, size_t left, char32_t& ch) {
    const uint8_t lead = p[0];
    if (lead < 0x80) {
        ch = lead;
        return 1;
    }
    size_t length = 0;
    uint8_t low = 0x80, high = 0xBF;  // the range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (left < length || p[1] < low || p[1] > high) return 0;
    ch = lead & (0xFF >> (length + 1));
    for (size_t i = 1; i < length; ++i) {
        if (!isContinuation(p[i])) return 0;
        ch = ch << 6 | (p[i] & 0x3F);
    }
    return length;
}

// The length of the Shift-JIS character at p with left bytes there, 0 when it is none.
size_t shiftJisCharacter(const uint8_t* p, size_t left, char32_t& ch) {
    const uint8_t lead = p[0];
    if (lead < 0x80) {
        ch = lead;
        return 1;
    }
    if (lead >= 0xA1 && lead <= 0xDF) {  // half-width katakana
        ch = 0xFF61 + (lead - 0xA1);
        return 1;
    }
    if (left < 2) return 0;
    ch = shiftJis::pair(lead, p[1]);
    return ch != 0 ? 2 : 0;
}

using CharacterReader = size_t (*)(const uint8_t*, size_t, char32_t&);

bool readsWhole(LyricBytes text, CharacterReader read) {
    char32_t ch = 0;
    for (size_t at = 0; at < text.size;) {
        const size_t length = read(text.data + at, text.size - at, ch);
        if (length == 0) return false;
        at += length;
    }
    return true;
}

void appendUtf8(std::string& out, char32_t ch) {
    if (ch < 0x80) {
        out += char(ch);
    } else if (ch < 0x800) {
        out += char(0xC0 | ch >> 6);
        out += char(0x80 | (ch & 0x3F));
    } else if (ch < 0x10000) {
        out += char(0xE0 | ch >> 12);
        out += char(0x80 | (ch >> 6 & 0x3F));
        out += char(0x80 | (ch & 0x3F));
    } else {
        out += char(0xF0 | ch >> 18);
        out += char(0x80 | (ch >> 12 & 0x3F));
        out += char(0x80 | (ch >> 6 & 0x3F));
        out += char(0x80 | (ch & 0x3F));
    }
}
}  // namespace

bool isUtf8(LyricBytes text) {
    return readsWhole(text, utf8Sequence);
}

bool isShiftJis(LyricBytes text) {
    return readsWhole(text, shiftJisCharacter);
}

LyricEncoding chooseLyricEncoding(const std::vector<LyricBytes>& texts) {
    if (!texts.empty() && startsWithByteOrderMark(texts.front())) return LyricEncoding::utf8;
    bool allUtf8 = true, allShiftJis = true;
    for (const LyricBytes& text : texts) {
        allUtf8 = allUtf8 && isUtf8(text);
        allShiftJis = allShiftJis && isShiftJis(text);
    }
    return allUtf8 && !allShiftJis ? LyricEncoding::utf8 : LyricEncoding::shiftJis;
}

std::string lyricAsUtf8(LyricBytes text, LyricEncoding encoding) {
    const bool utf8 = encoding == LyricEncoding::utf8;
    const CharacterReader read = utf8 ? utf8Sequence : shiftJisCharacter;
    std::string out;
    size_t at = utf8 && startsWithByteOrderMark(text) ? 3 : 0;
    while (at < text.size) {
        char32_t ch = 0;
        const size_t length = read(text.data + at, text.size - at, ch);
        const bool lineEnd = ch == '\r' || ch == '\n';
        if (length == 0 || (ch < 0x20 && !lineEnd) || ch == 0x7F)
            out += '?';
        else
            appendUtf8(out, ch);
        at += length == 0 ? 1 : length;
    }
    return out;
}
