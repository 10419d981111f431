#include "tools/pianoroll/PianoRollSong.h"

#include "playback/SmfWriter.h"

namespace {
constexpr int division = 480;
constexpr int sixteenth = division / 4;
constexpr int bars = 404;
constexpr int stepsPerBar = 16;
constexpr int voices = 4;

// A linear congruential sequence: the same song on every machine.
class Dice {
  public:
    int below(int limit) {
        state_ = state_ * 1103515245u + 12345u;
        return int((state_ >> 16) % uint32_t(limit));
    }

  private:
    uint32_t state_ = 20240611u;
};

std::vector<uint8_t> tempoTrack() {
    SmfTrack track;
    track.tempo(0, 500000);
    for (int bar = 4; bar < bars; bar += 4)
        track.tempo(4 * 4 * sixteenth, 420000 + uint32_t(bar * 997 % 160000));
    return track.endOfTrack(4 * 4 * sixteenth).bytes();
}

// One hand's part: a note on most sixteenths, held for one or two of them, as note-on with velocity 0 in
// running status; the pedal goes down and up once a bar.
std::vector<uint8_t> voiceTrack(int voice, Dice& dice) {
    std::vector<uint8_t> events;
    const uint8_t noteOn = uint8_t(0x90 | voice);
    const int lowest = 36 + voice * 12;
    uint32_t wait = 0;
    bool runningNotes = false;
    auto note = [&](uint32_t delta, uint8_t key, uint8_t velocity) {
        appendVarLen(events, delta);
        if (!runningNotes) events.push_back(noteOn);
        runningNotes = true;
        events.push_back(key);
        events.push_back(velocity);
    };
    auto pedal = [&](uint32_t delta, uint8_t value) {
        appendVarLen(events, delta);
        events.insert(events.end(), {uint8_t(0xB0 | voice), 64, value});
        runningNotes = false;
    };
    for (int bar = 0; bar < bars; ++bar) {
        if (voice < 2) pedal(wait, 127), wait = 0;
        for (int step = 0; step < stepsPerBar; ++step) {
            if (dice.below(8) == 0) {
                wait += sixteenth;
                continue;
            }
            const uint8_t key = uint8_t(lowest + dice.below(24));
            const uint32_t held = uint32_t(sixteenth * (1 + dice.below(2)) / 2);
            note(wait, key, uint8_t(40 + dice.below(80)));
            note(held, key, 0);
            wait = sixteenth - held;
        }
        if (voice < 2) pedal(wait, 0), wait = 0;
    }
    SmfTrack end;
    end.endOfTrack(wait);
    events.insert(events.end(), end.bytes().begin(), end.bytes().end());
    return events;
}
}  // namespace

std::vector<uint8_t> pianoRollSong() {
    Dice dice;
    SmfWriter song(1, division);
    song.track(tempoTrack());
    for (int voice = 0; voice < voices; ++voice) song.track(voiceTrack(voice, dice));
    return song.bytes();
}
