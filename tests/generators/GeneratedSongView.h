#pragma once
#include <cstdint>
#include <string>
#include <vector>

// A generated song read back strictly by its fixed layout, so that a test sees every note record and
// any byte out of place.
struct NoteRecord {
    uint8_t note;
    uint8_t velocity;
    uint8_t ticks;
};

struct TrackView {
    uint8_t channel = 0;
    uint8_t program = 0;
    std::vector<NoteRecord> notes;
};

struct GeneratedSongView {
    std::vector<TrackView> tracks;  // melody, guitar, bass, drums
    std::string fault;              // empty when every byte is where it belongs

    uint32_t ticksOf(size_t track) const;
};

GeneratedSongView viewGeneratedSong(const std::vector<uint8_t>& image);
