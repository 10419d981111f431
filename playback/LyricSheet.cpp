#include "playback/LyricSheet.h"

#include <algorithm>
#include <tuple>

#include "playback/LyricText.h"
#include "playback/MidiVocabulary.h"

namespace {
// A text-bearing meta event of the song: its track, time in ticks, type byte's position and data, each
// given where the event is found.
struct TextEvent {
    int track;
    uint64_t tick;
    int32_t position;
    uint8_t type;
    LyricBytes bytes;
};

// The text, lyric and track-name events of every track, in the order they are sung.
std::vector<TextEvent> textEvents(SongBuffer& song) {
    std::vector<TextEvent> found;
    walkTracks(song, [&](const TrackEvent& event) {
        const uint8_t type = event.metaType;
        if (event.status == midi::metaEvent &&
            (type == midi::metaText || type == midi::metaLyric || type == midi::metaTrackName))
            found.push_back({event.track,
                             event.tick,
                             int32_t(event.position + 1),
                             type,
                             {song.image().data() + event.data, event.length}});
        return true;
    });
    // In time, then by track; a track's events at one time keep their order in the file. (A plain sort on
    // the whole key: the standard library's stable sort frees its buffer in a way AddressSanitizer reports.)
    std::sort(found.begin(), found.end(), [](const TextEvent& a, const TextEvent& b) {
        return std::tie(a.tick, a.track, a.position) < std::tie(b.tick, b.track, b.position);
    });
    return found;
}

bool isHeader(const std::string& text) {
    return !text.empty() && text[0] == '@';
}
}  // namespace

LyricSheet LyricSheet::read(SongBuffer& song) {
    LyricSheet sheet;
    const std::vector<TextEvent> events = textEvents(song);
    const bool hasLyricEvents = std::any_of(
        events.begin(), events.end(), [](const TextEvent& event) { return event.type == midi::metaLyric; });
    sheet.eventType_ = hasLyricEvents ? midi::metaLyric : midi::metaText;
    std::vector<LyricBytes> texts;
    for (const TextEvent& event : events)
        if (event.type == sheet.eventType_) texts.push_back(event.bytes);
    if (texts.empty()) {
        sheet.eventType_ = 0;
        return sheet;
    }
    const LyricEncoding encoding = chooseLyricEncoding(texts);

    std::vector<Entry> entries;
    std::string trackName;
    for (const TextEvent& event : events) {
        std::string text = lyricAsUtf8(event.bytes, encoding);
        if (event.type == midi::metaTrackName && event.track == 0 && trackName.empty()) trackName = text;
        if (event.type != sheet.eventType_) continue;
        Entry entry;
        entry.position = event.position;
        entry.header = sheet.eventType_ == midi::metaText && isHeader(text);
        if (entry.header && sheet.title_.empty() && text.compare(0, 2, "@T") == 0)
            sheet.title_ = text.substr(2);
        entry.text = std::move(text);
        entries.push_back(std::move(entry));
    }
    if (sheet.title_.empty()) sheet.title_ = trackName;
    sheet.addLines(entries);
    std::sort(entries.begin(), entries.end(),
              [](const Entry& a, const Entry& b) { return a.position < b.position; });
    sheet.entries_ = std::move(entries);
    return sheet;
}

// Lays the words of the entries, in the order they are sung, out in lines, and notes where each one ends.
void LyricSheet::addLines(std::vector<Entry>& entries) {
    lines_.assign(1, Line{});
    auto breakLine = [this](bool verse) {
        if (!lines_.back().text.empty()) lines_.emplace_back();
        lines_.back().startsVerse = lines_.back().startsVerse || (verse && lines_.size() > 1);
    };
    for (Entry& entry : entries) {
        if (entry.header) continue;
        bool placed = false;  // a break after the entry's words leaves them where they were sung
        for (const char ch : entry.text) {
            if (ch == '/' || ch == '\r' || ch == '\n' || ch == '\\') {
                breakLine(ch == '\\');
                continue;
            }
            placed = true;
            lines_.back().text += ch;
            entry.line = int(lines_.size()) - 1;
            entry.sungTo = lines_.back().text.size();
        }
        if (!placed) {
            entry.line = int(lines_.size()) - 1;
            entry.sungTo = lines_.back().text.size();
        }
    }
    if (lines_.back().text.empty()) lines_.pop_back();
    // An entry of nothing but breaks at the very end belongs to the last line, sung whole.
    for (Entry& entry : entries) {
        if (lines_.empty() || entry.line < int(lines_.size())) continue;
        entry.line = int(lines_.size()) - 1;
        entry.sungTo = lines_.back().text.size();
    }
}

const LyricSheet::Entry* LyricSheet::entryAt(int32_t position) const {
    const auto found = std::lower_bound(entries_.begin(), entries_.end(), position,
                                        [](const Entry& entry, int32_t at) { return entry.position < at; });
    return found != entries_.end() && found->position == position ? &*found : nullptr;
}

LyricMoment LyricSheet::moment(int32_t lastPosition) const {
    LyricMoment moment;
    moment.title = title_;
    moment.noWords = lines_.empty();
    if (moment.noWords) return moment;
    const Entry* entry = entryAt(lastPosition);
    const bool sung = entry && !entry->header;
    const size_t line = sung ? size_t(entry->line) : 0;
    moment.line = lines_[line].text;
    moment.sung = sung ? entry->sungTo : 0;
    if (line + 1 < lines_.size()) moment.next = lines_[line + 1].text;
    return moment;
}
