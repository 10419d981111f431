#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "generators/GeneratorError.h"
#include "generators/MelodyMapping.h"
#include "generators/PseudoRandom.h"

// A generated song: on success, a whole four-track Standard MIDI File (format 1, 96 ticks per quarter,
// 100 beats per minute) ready for the song opener. Nothing of the previous song is touched while it is
// built, so the window replaces its song only with a complete one.
struct GeneratedSong {
    static constexpr int format = 1;
    static constexpr int trackCount = 4;

    GeneratorError error = GeneratorError::none;
    std::vector<uint8_t> image;

    bool ok() const { return error == GeneratorError::none; }
    static GeneratedSong failure(GeneratorError error) { return {error, {}}; }
};

// The sizes of a generated song. The three accompaniment tracks are cut from the melody's length T so
// that all four end within one accompaniment note of each other.
struct SongShape {
    size_t melodyNotes = 0;   // N
    uint32_t totalTicks = 0;  // T, the melody's length
    size_t guitarNotes = 0;   // T / 48, or 0 when the source has nothing the guitar may play
    size_t bassNotes = 0;     // T / 24, likewise
    size_t drumNotes = 0;     // T / 96

    // 14 header bytes, 8 chunk-header bytes a track, 14 more in the melody track and 7 in each other,
    // and 8 bytes a note.
    size_t songSize() const { return 81 + 8 * (melodyNotes + guitarNotes + bassNotes + drumNotes); }
};

SongShape planSong(BuildMode mode, const std::vector<uint8_t>& source);

// Builds the song of a source, drawing every velocity from |random| in track order. Text sources are
// the bytes of a text file; picture sources block levels; random sources note numbers 0-127.
GeneratedSong buildSong(BuildMode mode, const std::vector<uint8_t>& source, PseudoRandom& random);
