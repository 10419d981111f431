#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

// The loaded song: the whole Standard MIDI File, byte for byte, read in place while it plays. Nothing in
// the file is trusted: every read goes through a bounds check, and a read past the end ends the track.
class SongBuffer {
  public:
    // The largest song file taken: a file of a gigabyte is no song, and is refused before it is read.
    static constexpr int64_t maxFileSize = int64_t(1) << 30;
    static constexpr int maxTracks = 255;
    static constexpr int trackSlots = 256;

    // Replaces the image (a file just read, or a generated song).
    void assign(std::vector<uint8_t> image);
    bool hasImage() const { return !image_.empty(); }
    int32_t size() const { return int32_t(image_.size()); }
    const std::vector<uint8_t>& image() const { return image_; }

    bool contains(int64_t pos) const { return pos >= 0 && pos < int64_t(image_.size()); }
    // The byte at pos, or 0 outside the image.
    uint8_t byteAt(int64_t pos) const { return contains(pos) ? image_[size_t(pos)] : 0; }

    // Format (the low byte alone), track count (cut to 255) and division from the 14-byte header; the
    // missing bytes of a shorter file read as 0.
    void readHeader();
    uint8_t songFormat() const { return songFormat_; }
    int trackCount() const { return trackCount_; }
    // Ticks per quarter note. A zero division would make every wait infinite; such a file is played at
    // the common 480 instead so that it ends.
    double division() const { return division_; }

    // Where each track's next unread byte is; 0 once the track has ended.
    int32_t trackPosition(int track) const { return trackPositions_[size_t(track)]; }
    void setTrackPosition(int track, int32_t pos) { trackPositions_[size_t(track)] = pos; }
    // Where each track's chunk ends (at most the image's end): a track that gets there without its
    // end-of-track event ends there, instead of reading the next chunk as its own.
    int64_t trackEnd(int track) const { return trackEnds_[size_t(track)]; }

    // Finds the track chunks: each track points at its first delta-time, or is ended (0) when its chunk
    // lies outside the image.
    void prepareTracks();

  private:
    std::vector<uint8_t> image_;
    uint8_t songFormat_ = 0;
    int trackCount_ = 0;
    double division_ = 480.0;
    std::array<int32_t, trackSlots> trackPositions_{};
    std::array<int64_t, trackSlots> trackEnds_{};
};

// The first FF 51 byte pair anywhere in the image: its tempo in microseconds per quarter note, and the
// position of its 51 byte. found is false when the image has none.
struct FirstTempo {
    bool found = false;
    int32_t typePosition = -1;
    uint32_t microsPerQuarter = 0;
};
FirstTempo findFirstTempo(const SongBuffer& song);

// Whether the song has a note to sound: a note-on with a velocity above 0 in one of its tracks, each read
// event by event as the sequencer reads it, up to its chunk's end. A file that loads but is no song (text
// renamed .mid, a header without tracks, tracks of nothing but controllers) has none. Finds the tracks as a
// play start does, so it is called only while the song is not playing.
bool holdsNote(SongBuffer& song);

// One event of a track as walkTracks meets it. For a channel message: its status (running status applied)
// and the position of its first data byte. For a meta event (status FF, with its type) or a system
// exclusive one (F0, F7): the position and length of its data.
struct TrackEvent {
    int track = 0;
    uint64_t tick = 0;     // since the track's start
    int64_t position = 0;  // of the status byte, or of the first data byte under running status
    uint8_t status = 0;
    uint8_t metaType = 0;  // for status FF
    int64_t data = 0;
    uint32_t length = 0;  // of a meta or system exclusive event's data
};

// Walks each track's events in file order, as the sequencer reads them, up to the chunk's end, its
// end-of-track event or the first event that runs past the image; a byte that is no event is read again as
// a delta-time, as the sequencer does. visit returns false to end the whole walk. Finds the tracks as a play
// start does, so it is called only while the song is not playing.
void walkTracks(SongBuffer& song, const std::function<bool(const TrackEvent&)>& visit);

// Reads a variable-length quantity starting at pos: 7 bits a byte, most significant first, bytes of 0x80 or
// more continue it. Stops at the end of the image (ok false). A malformed run longer than four bytes keeps
// only its low 32 bits; the image is never modified.
struct VarLen {
    uint32_t value = 0;
    int64_t next = 0;  // the position after its last byte
    bool ok = false;
};
VarLen readVarLen(const SongBuffer& song, int64_t pos);
