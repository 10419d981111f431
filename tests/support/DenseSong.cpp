#include "tests/support/DenseSong.h"

#include "playback/SmfWriter.h"

std::vector<uint8_t> denseSong(int tracks, int notesPerTrack) {
    SmfWriter song(1, 480);
    for (int track = 0; track < tracks; ++track) {
        const uint8_t channel = uint8_t(track % 16);
        std::vector<uint8_t> events = tempoEvent(500000);
        for (int note = 0; note < notesPerTrack; ++note) {
            const uint8_t key = uint8_t(36 + (note * 7 + track) % 60);
            // Every event of a step shares one tick, so a tick plays many of them.
            events.insert(events.end(), {0x00, uint8_t(0x90 | channel), key, 90, 0x00, uint8_t(key + 4), 80,
                                         0x00, uint8_t(0xB0 | channel), 7, 100, 0x05, uint8_t(0x80 | channel),
                                         key, 0, 0x00, uint8_t(key + 4), 0});
            if (note % 64 == 0) events.insert(events.end(), {0x00, 0xF0, 0x05, 0x7E, 0x7F, 0x09, 0x01, 0xF7});
        }
        song.track(join({events, endOfTrack()}));
    }
    return song.bytes();
}
