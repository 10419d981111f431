#pragma once
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <vector>

// Writes Standard MIDI Files: the renderer's --smf output, the generated songs and the tests' songs.
//
//   SmfTrack track;
//   track.shortMessage(0, 0x90, 60, 100).shortMessage(480, 0x80, 60, 0).endOfTrack();
//   std::vector<uint8_t> file = SmfWriter(1, 480).track(track).bytes();
//
// Tests that need damaged or hand-made tracks pass raw event bytes to track() instead.

// The events of one track, each written after its delta-time (in ticks).
class SmfTrack {
  public:
    // A channel message: two or three bytes as its kind takes.
    SmfTrack& shortMessage(uint32_t delta, uint8_t status, uint8_t data1, uint8_t data2 = 0);
    // A system exclusive message as sent to a device: its F0 or F7, then the data; the length is inserted.
    SmfTrack& sysEx(uint32_t delta, const uint8_t* message, size_t count);
    // A meta event as a recording keeps one: FF, its type, then the data; the length is inserted.
    SmfTrack& meta(uint32_t delta, const uint8_t* event, size_t count);
    // FF 51 03 and the microseconds per quarter note.
    SmfTrack& tempo(uint32_t delta, uint32_t microsPerQuarter);
    SmfTrack& endOfTrack(uint32_t delta = 0);
    // Bytes written as they are, after the delta-time.
    SmfTrack& raw(uint32_t delta, std::initializer_list<uint8_t> bytes);

    const std::vector<uint8_t>& bytes() const { return bytes_; }

  private:
    std::vector<uint8_t> bytes_;
};

// The header chunk and the track chunks of one file.
class SmfWriter {
  public:
    SmfWriter(int format, int division) : format_(format), division_(division) {}

    SmfWriter& track(const SmfTrack& events) { return track(events.bytes()); }
    SmfWriter& track(std::vector<uint8_t> events);
    // Overrides the track count written in the header (to announce more or fewer tracks than exist).
    SmfWriter& announceTracks(int count);
    std::vector<uint8_t> bytes() const;

  private:
    int format_;
    int division_;
    int announced_ = -1;
    std::vector<std::vector<uint8_t>> tracks_;
};

// The variable-length quantity of a value: 7 bits a byte, most significant group first.
void appendVarLen(std::vector<uint8_t>& out, uint32_t value);
std::vector<uint8_t> varLen(uint32_t value);
// A chunk length or other 32-bit field, most significant byte first.
void appendBe32(std::vector<uint8_t>& out, uint32_t value);

// Pieces of raw tracks, for songs written byte by byte.
std::vector<uint8_t> join(std::initializer_list<std::vector<uint8_t>> parts);
// A tempo meta event: the delta-time, FF 51 03 and the microseconds per quarter note.
std::vector<uint8_t> tempoEvent(uint32_t microsPerQuarter, uint32_t delta = 0);
// The end-of-track meta event with its delta-time.
std::vector<uint8_t> endOfTrack(uint32_t delta = 0);
