#include "generators/SongBuilder.h"

#include <algorithm>
#include <cstdlib>
#include <new>

#include "playback/MidiVocabulary.h"
#include "playback/SmfWriter.h"

namespace {
constexpr uint8_t melodyChannel = 0, guitarChannel = 1, bassChannel = 2, drumChannel = midi::drumChannel;
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

void addNote(SmfTrack& track, uint8_t channel, uint8_t note, uint8_t velocity, uint8_t ticks) {
    track.shortMessage(0, midi::statusOf(midi::noteOn, channel), note, velocity)
        .shortMessage(ticks, midi::statusOf(midi::noteOff, channel), note, 0);
}

SmfTrack accompanimentStart(uint8_t channel, uint8_t program) {
    SmfTrack track;
    track.shortMessage(0, midi::statusOf(midi::programChange, channel), program);
    return track;
}

SmfTrack melodyTrack(const std::vector<MelodyNote>& melody, PseudoRandom& random) {
    SmfTrack track;
    track.tempo(0, 600000).shortMessage(0, midi::statusOf(midi::programChange, melodyChannel),
                                        3);  // honky-tonk piano
    for (size_t k = 0; k < melody.size(); ++k) {
        const uint8_t velocity = fadingVelocity(random, melody.size() - k, 100, 25);
        addNote(track, melodyChannel, melody[k].note, velocity, melody[k].ticks);
    }
    track.endOfTrack();
    return track;
}

// A guitar note more than an octave from the one before is a silent beat, for which nothing is drawn;
// every other note draws twice and takes the second.
SmfTrack guitarTrack(size_t count, AccompanimentCursor cursor, PseudoRandom& random) {
    SmfTrack track = accompanimentStart(guitarChannel, 24);  // nylon-string guitar
    int previous = -1;
    for (size_t i = 0; i < count; ++i) {
        const uint8_t note = uint8_t(cursor.next() % 25 + 48);
        uint8_t velocity = 0;
        if (previous < 0 || std::abs(note - previous) <= 12) {
            random.draw();
            velocity = fadingVelocity(random, count - i, 90, 21);
        }
        previous = note;
        addNote(track, guitarChannel, note, velocity, guitarTicks);
    }
    track.endOfTrack();
    return track;
}

SmfTrack bassTrack(size_t count, AccompanimentCursor cursor, PseudoRandom& random) {
    SmfTrack track = accompanimentStart(bassChannel, 32);  // acoustic bass
    for (size_t i = 0; i < count; ++i) {
        const uint8_t note = uint8_t(cursor.next() % 13 + 36);
        addNote(track, bassChannel, note, fadingVelocity(random, count - i, 100, 20), bassTicks);
    }
    track.endOfTrack();
    return track;
}

// A bass drum each beat, a crash cymbal every eighth beat after the first.
SmfTrack drumTrack(size_t count, PseudoRandom& random) {
    SmfTrack track = accompanimentStart(drumChannel, 0);  // standard drum set
    for (size_t i = 0; i < count; ++i) {
        const uint8_t note = i > 0 && i % 8 == 0 ? 57 : 36;
        addNote(track, drumChannel, note, fadingVelocity(random, count - i, 100, 20), drumTicks);
    }
    track.endOfTrack();
    return track;
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
        // The tracks are drawn in this order from the one random source.
        SmfWriter file(GeneratedSong::format, 96);
        file.track(melodyTrack(melody, random));
        const AccompanimentCursor cursor(mode, source);
        file.track(guitarTrack(shape.guitarNotes, cursor, random));
        file.track(bassTrack(shape.bassNotes, cursor, random));
        file.track(drumTrack(shape.drumNotes, random));
        GeneratedSong song;
        song.image = file.bytes();
        return song;
    } catch (const std::bad_alloc&) {
        return GeneratedSong::failure(GeneratorError::noMemory);
    }
}
