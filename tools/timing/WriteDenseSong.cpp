// velmira-dense-song OUT.mid [SECONDS]: writes a busy song for the timing report, 60 s long unless told.
// Fifteen channels play 32nd notes, each track offset by a few ms so that the ticks share the load unevenly,
// and channel 16 moves its modulation every 10 ms, so that every timer period of the song sends something
// and the report sees every tick. One tick of the file is one millisecond (500 ticks a quarter, 500 ms a
// quarter), so each message's play time is known exactly.
#include <cstdio>
#include <cstdlib>

#include "playback/SmfWriter.h"
#include "tools/songfile/WriteSongTool.h"

namespace {
constexpr uint32_t noteMs = 62;  // a 32nd note at 500 ms a quarter, rounded down
constexpr int noteChannels = 15;
constexpr int tickChannel = 15;

SmfTrack noteTrack(int channel, long lengthMs) {
    SmfTrack track;
    const uint32_t offset = uint32_t(channel * 4);  // 0..56 ms
    track.shortMessage(0, uint8_t(0xC0 | channel), uint8_t(channel * 8));
    uint32_t delta = offset;
    for (long at = offset; at + long(noteMs) < lengthMs; at += noteMs) {
        const uint8_t key = uint8_t(36 + (at / noteMs * 5 + channel * 3) % 60);
        track.shortMessage(delta, uint8_t(0x90 | channel), key, uint8_t(60 + channel));
        track.shortMessage(noteMs - 2, uint8_t(0x80 | channel), key, 0);
        delta = 2;
    }
    return track.endOfTrack(delta);
}

SmfTrack tickTrack(long lengthMs) {
    SmfTrack track;
    track.tempo(0, 500000);
    for (long at = 0; at < lengthMs; at += 10)
        track.shortMessage(at == 0 ? 0 : 10, uint8_t(0xB0 | tickChannel), 1, uint8_t(at / 10 % 128));
    return track.endOfTrack(10);
}
}  // namespace

int main(int argc, char** argv) {
    const long seconds = argc == 3 ? std::strtol(argv[2], nullptr, 10) : 60;
    if (argc < 2 || argc > 3 || seconds < 1 || seconds > 3600) {
        std::fprintf(stderr, "usage: velmira-dense-song OUT.mid [SECONDS (1-3600)]\n");
        return 2;
    }
    const long lengthMs = seconds * 1000;
    SmfWriter song(1, 500);
    song.track(tickTrack(lengthMs));
    for (int channel = 0; channel < noteChannels; ++channel) song.track(noteTrack(channel, lengthMs));
    return writeSongFile(argv[1], song.bytes());
}
