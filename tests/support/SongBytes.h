#pragma once
#include <cstdint>
#include <initializer_list>
#include <vector>

// Builds Standard MIDI File images for tests from short, readable byte lists:
//   SongBytes song(1, 480);                       // format 1, 480 ticks per quarter
//   song.track({0x00, 0x90, 60, 100,              // delta 0: note-on C4
//               0x83, 0x60, 0x80, 60, 0,          // delta 480: note-off
//               0x00, 0xFF, 0x2F, 0x00});         // end of track
//   std::vector<uint8_t> image = song.bytes();
class SongBytes {
  public:
    SongBytes(int format, int division) : format_(format), division_(division) {}

    SongBytes& track(std::vector<uint8_t> events);
    // Overrides the track count written in the header (to announce more or fewer tracks than exist).
    SongBytes& announceTracks(int count);
    std::vector<uint8_t> bytes() const;

  private:
    int format_;
    int division_;
    int announced_ = -1;
    std::vector<std::vector<uint8_t>> tracks_;
};

// The variable-length quantity of a value, most significant group first.
std::vector<uint8_t> varLen(uint32_t value);

// Concatenates byte lists, for tracks made of several pieces.
std::vector<uint8_t> join(std::initializer_list<std::vector<uint8_t>> parts);

// A tempo meta event with delta 0: FF 51 03 and the microseconds per quarter note.
std::vector<uint8_t> tempoEvent(uint32_t microsPerQuarter, uint32_t delta = 0);

// The end-of-track meta event with its delta.
std::vector<uint8_t> endOfTrack(uint32_t delta = 0);
