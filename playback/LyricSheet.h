#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "playback/SongBuffer.h"

// What the lyrics window shows at a moment of the song.
struct LyricMoment {
    bool noWords = true;  // the song has none
    std::string title;
    std::string line;  // the line being sung
    size_t sung = 0;   // its first bytes, the words already sung
    std::string next;  // the line after it
};

// The song's words, read once at load. A song's words are its lyric events (FF 05), or, in a song without
// any, its text events (FF 01), as karaoke files have them: there a text starting with "@" is a header (the
// title "@T", information "@I", the language "@L"...), not words. Inside a word's text, "/" (or a line end)
// starts a new line and "\" a new verse; a word may come in several events, which join without a space.
// Tracks sing together: the events are taken in the order of their times, over all tracks. The title is the
// first "@T" header's, or else the first track's name.
class LyricSheet {
  public:
    struct Line {
        std::string text;
        bool startsVerse = false;
    };
    // One event of the sheet, known by the position of its type byte in the image, where the sequencer
    // reports it.
    struct Entry {
        int32_t position = 0;
        bool header = false;
        std::string text;   // as it reads, markers kept
        int line = 0;       // the line where its words went
        size_t sungTo = 0;  // the bytes of that line sung once it has been
    };

    // Reads the words of the song. Finds the tracks as a play start does, so it is called only while the
    // song is not playing.
    static LyricSheet read(SongBuffer& song);

    // The events the sequencer is to report: FF 05, or FF 01 in a song without lyric events; 0 for none.
    uint8_t eventType() const { return eventType_; }
    const std::string& title() const { return title_; }
    const std::vector<Line>& lines() const { return lines_; }
    // The event whose type byte is at position, or null when it is not one of the sheet's.
    const Entry* entryAt(int32_t position) const;
    // What to show once the event at lastPosition has been sung (-1: none yet, or a jump before the first);
    // a header's position shows the song's start.
    LyricMoment moment(int32_t lastPosition) const;

  private:
    void addLines(std::vector<Entry>& entries);

    uint8_t eventType_ = 0;
    std::string title_;
    std::vector<Line> lines_;
    std::vector<Entry> entries_;  // by position
};
