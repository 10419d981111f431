#include "generators/SongBuilder.h"

#include <algorithm>
#include <cstdlib>
#include <new>

#include "playback/SmfWriter.h"

namespace {
constexpr uint8_t melodyChannel = 0, guitarChannel = 1, bassChannel = 2, drumChannel = 9;
constexpr uint8_t guitarTicks = 48, bassTicks = 24, drumTicks = 96;

// In a text, the guitar and bass walk only through single-byte characters other than line ends.
bool accompanimentMayUse(BuildMode mode, uint8_t value) {
    return mode != BuildMode::text || (value != 0x0D && value != 0x0A && value < 0x80);
}

bool hasAccompanimentSource(BuildMode mode, const std::vector<uint8_t>& source) {
    return std::any_of(source.begin(), source.end(),
                       [mode](uint8_t v) { return accompanimentMayUse(mode, v); });
}

// Walks the whole source round and round, passing over what the accompaniment may not use. Only made
// for a source that holds something it may use.
class AccompanimentCursor {
  public:
    AccompanimentCursor(BuildMode mode, const std::vector<uint8_t>& source) : mode_(mode), source_(source) {}
    uint8_t next() {
        for (;;) {
            const uint8_t value = source_[position_];
            position_ = position_ + 1 < source_.size() ? position_ + 1 : 0;
            if (accompanimentMayUse(mode_, value)) return value;
        }
    }

  private:
    BuildMode mode_;
    const std::vector<uint8_t>& source_;
    size_t position_ = 0;
};

// Loud within a band while more than 64 notes of the track remain, then falling off towards the end.
uint8_t fadingVelocity(PseudoRandom& random, size_t remaining, int loud, int spread) {
    const int base = remaining > 64 ? loud : loud - 64 + int(remaining);
    return uint8_t(base + random.below(spread));
}

void appendNote(std::vector<uint8_t>& out, uint8_t channel, uint8_t note, uint8_t velocity, uint8_t ticks) {
    out.insert(out.end(),
               {0x00, uint8_t(0x90 | channel), note, velocity, ticks, uint8_t(0x80 | channel), note, 0x00});
}

// The chunk header of a track of |notes| records after |leadBytes| bytes of opening events; its length
// counts those, the records and the end of track.
void appendTrackStart(std::vector<uint8_t>& out, size_t notes, uint32_t leadBytes) {
    out.insert(out.end(), {'M', 'T', 'r', 'k'});
    appendBe32(out, uint32_t(8 * notes + leadBytes + 4));
}

void appendEndOfTrack(std::vector<uint8_t>& out) {
    out.insert(out.end(), {0x00, 0xFF, 0x2F, 0x00});
}

void appendAccompanimentStart(std::vector<uint8_t>& out, size_t notes, uint8_t channel, uint8_t program) {
    appendTrackStart(out, notes, 3);
    out.insert(out.end(), {0x00, uint8_t(0xC0 | channel), program});
}

void appendMelody(std::vector<uint8_t>& out, const std::vector<MelodyNote>& melody, PseudoRandom& random) {
    appendTrackStart(out, melody.size(), 10);
    out.insert(out.end(), {0x00, 0xFF, 0x51, 0x03, 0x09, 0x27, 0xC0});  // 600000 µs a quarter
    out.insert(out.end(), {0x00, 0xC0, 3});                             // honky-tonk piano
    for (size_t k = 0; k < melody.size(); ++k) {
        const uint8_t velocity = fadingVelocity(random, melody.size() - k, 100, 25);
        appendNote(out, melodyChannel, melody[k].note, velocity, melody[k].ticks);
    }
    appendEndOfTrack(out);
}

// A guitar note more than an octave from the one before is a silent beat, for which nothing is drawn;
// every other note draws twice and takes the second.
void appendGuitar(std::vector<uint8_t>& out, size_t count, AccompanimentCursor cursor, PseudoRandom& random) {
    appendAccompanimentStart(out, count, guitarChannel, 24);  // nylon-string guitar
    int previous = -1;
    for (size_t i = 0; i < count; ++i) {
        const uint8_t note = uint8_t(cursor.next() % 25 + 48);
        uint8_t velocity = 0;
        if (previous < 0 || std::abs(note - previous) <= 12) {
            random.draw();
            velocity = fadingVelocity(random, count - i, 90, 21);
        }
        previous = note;
        appendNote(out, guitarChannel, note, velocity, guitarTicks);
    }
    appendEndOfTrack(out);
}

void appendBass(std::vector<uint8_t>& out, size_t count, AccompanimentCursor cursor, PseudoRandom& random) {
    appendAccompanimentStart(out, count, bassChannel, 32);  // acoustic bass
    for (size_t i = 0; i < count; ++i) {
        const uint8_t note = uint8_t(cursor.next() % 13 + 36);
        appendNote(out, bassChannel, note, fadingVelocity(random, count - i, 100, 20), bassTicks);
    }
    appendEndOfTrack(out);
}

// A bass drum each beat, a crash cymbal every eighth beat after the first.
void appendDrums(std::vector<uint8_t>& out, size_t count, PseudoRandom& random) {
    appendAccompanimentStart(out, count, drumChannel, 0);  // standard drum set
    for (size_t i = 0; i < count; ++i) {
        const uint8_t note = i > 0 && i % 8 == 0 ? 57 : 36;
        appendNote(out, drumChannel, note, fadingVelocity(random, count - i, 100, 20), drumTicks);
    }
    appendEndOfTrack(out);
}

SongShape shapeOf(BuildMode mode, const std::vector<uint8_t>& source, const std::vector<MelodyNote>& melody) {
    SongShape shape;
    shape.melodyNotes = melody.size();
    for (const MelodyNote& note : melody) shape.totalTicks += note.ticks;
    // A text of line ends and double-byte characters only would leave the guitar and bass searching forever.
    if (hasAccompanimentSource(mode, source)) {
        shape.guitarNotes = shape.totalTicks / guitarTicks;
        shape.bassNotes = shape.totalTicks / bassTicks;
    }
    shape.drumNotes = shape.totalTicks / drumTicks;
    return shape;
}
}  // namespace

SongShape planSong(BuildMode mode, const std::vector<uint8_t>& source) {
    return shapeOf(mode, source, melodyOf(mode, source));
}

GeneratedSong buildSong(BuildMode mode, const std::vector<uint8_t>& source, PseudoRandom& random) {
    try {
        const std::vector<MelodyNote> melody = melodyOf(mode, source);
        const SongShape shape = shapeOf(mode, source, melody);
        GeneratedSong song;
        std::vector<uint8_t>& out = song.image;
        out.reserve(shape.songSize());
        out.insert(out.end(), {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, GeneratedSong::format, 0,
                               GeneratedSong::trackCount, 0, 96});
        appendMelody(out, melody, random);
        const AccompanimentCursor cursor(mode, source);
        appendGuitar(out, shape.guitarNotes, cursor, random);
        appendBass(out, shape.bassNotes, cursor, random);
        appendDrums(out, shape.drumNotes, random);
        return song;
    } catch (const std::bad_alloc&) {
        return GeneratedSong::failure(GeneratorError::noMemory);
    }
}
