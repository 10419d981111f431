#include "generators/MelodyMapping.h"

#include <algorithm>
#include <cstdlib>

namespace {
// The lead bytes of code page 932.
bool isShiftJisLead(uint8_t b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

std::vector<uint8_t> textNotes(const std::vector<uint8_t>& text) {
    std::vector<uint8_t> notes;
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        const int b = text[i];
        if (b < 0x20) continue;
        if (b <= 0x7F) {
            notes.push_back(uint8_t(b % 12 + b / 2 + 24));
        } else if (isShiftJisLead(uint8_t(b))) {
            const int h = b * text[++i] / 255;
            notes.push_back(uint8_t(h % 12 + h / 6 + 36));
        } else {
            notes.push_back(uint8_t(b % 12 + (b - 128) / 2 + 24));
        }
    }
    return notes;
}

std::vector<uint8_t> pictureNotes(const std::vector<uint8_t>& levels) {
    std::vector<uint8_t> notes;
    notes.reserve(levels.size());
    for (int v : levels) notes.push_back(uint8_t((std::min(v / 12, 4) + 3) * 12 + v % 12));
    return notes;
}

std::vector<uint8_t> notesOf(BuildMode mode, const std::vector<uint8_t>& source) {
    switch (mode) {
        case BuildMode::text:
            return textNotes(source);
        case BuildMode::picture:
            return pictureNotes(source);
        case BuildMode::random:
            break;
    }
    return source;
}
}  // namespace

std::vector<MelodyNote> melodyOf(BuildMode mode, const std::vector<uint8_t>& source) {
    const std::vector<uint8_t> notes = notesOf(mode, source);
    const int mediumLeap = mode == BuildMode::text ? 6 : 4;
    std::vector<MelodyNote> melody;
    melody.reserve(notes.size());
    for (size_t k = 0; k < notes.size(); ++k) {
        uint8_t ticks = 24;
        if (k > 0) {
            const int leap = std::abs(int(notes[k]) - int(notes[k - 1]));
            if (leap >= 12) {
                ticks = 96;
            } else if (leap >= mediumLeap) {
                ticks = 48;
            }
        }
        melody.push_back({notes[k], ticks});
    }
    return melody;
}
