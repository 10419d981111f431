#include "tools/demo/DemoSong.h"

#include "playback/SmfWriter.h"

namespace {
constexpr int division = 480;
constexpr int eighth = division / 2;

// A track written in steps of time: each event waits for the time added since the last one.
struct TrackWriter {
    SmfTrack events;
    uint32_t pendingDelta = 0;

    void delta(uint32_t ticks) { pendingDelta += ticks; }
    void message(std::initializer_list<uint8_t> bytes) {
        events.raw(pendingDelta, bytes);
        pendingDelta = 0;
    }
    void note(uint8_t channel, uint8_t key, uint8_t velocity, uint32_t length) {
        message({uint8_t(0x90 | channel), key, velocity});
        delta(length);
        message({uint8_t(0x80 | channel), key, 0});
    }
    void end() {
        events.endOfTrack(pendingDelta);
        pendingDelta = 0;
    }
};

}  // namespace

std::vector<uint8_t> demoSong() {
    // C - A minor - F - G, eight bars, repeated.
    const uint8_t roots[] = {48, 45, 41, 43};
    const uint8_t melody[] = {72, 74, 76, 79, 76, 74, 72, 67, 69, 72, 74, 72, 69, 67, 65, 67,
                              65, 69, 72, 77, 76, 74, 72, 69, 67, 71, 74, 79, 77, 74, 71, 67};
    std::vector<TrackWriter> tracks(6);
    tracks[0].message({0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20});  // 120 beats per minute
    const uint8_t programs[] = {0, 73, 0, 48, 33, 0};
    for (uint8_t channel = 1; channel <= 4; ++channel)
        tracks[channel].message({uint8_t(0xC0 | channel), programs[channel]});

    for (int pass = 0; pass < 4; ++pass) {
        for (int bar = 0; bar < 8; ++bar) {
            const uint8_t root = roots[bar % 4];
            for (int step = 0; step < 4; ++step)
                tracks[1].note(1, melody[(bar * 4 + step) % 32], uint8_t(90 + step * 8), eighth * 2);
            tracks[2].note(2, uint8_t(root + 12), 70, division * 4);
            tracks[3].message({0x93, uint8_t(root + 16), 60});
            tracks[3].message({0x93, uint8_t(root + 19), 60});
            tracks[3].delta(division * 4);
            tracks[3].message({0x83, uint8_t(root + 16), 0});
            tracks[3].message({0x83, uint8_t(root + 19), 0});
            for (int beat = 0; beat < 4; ++beat)
                tracks[4].note(4, uint8_t(root - 12 + (beat % 2) * 7), 100, division);
            for (int hit = 0; hit < 8; ++hit) {
                const uint8_t drum = hit % 4 == 0 ? 36 : hit % 4 == 2 ? 38 : 42;
                tracks[5].note(9, drum, hit % 2 ? 70 : 110, eighth);
            }
        }
    }
    tracks[0].delta(division * 4 * 32);

    SmfWriter file(1, division);
    for (TrackWriter& track : tracks) {
        track.end();
        file.track(track.events);
    }
    return file.bytes();
}
