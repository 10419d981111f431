#include "tests/support/ToneColumnSong.h"

#include "playback/SmfWriter.h"

std::vector<uint8_t> toneColumnSong(bool withGmSystemOn) {
    static constexpr uint8_t gmSystemOn[] = {0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7};
    SmfTrack track;
    if (withGmSystemOn) track.sysEx(0, gmSystemOn, sizeof gmSystemOn);
    track.shortMessage(0, 0xC3, 33)
        .shortMessage(0, 0x93, 60, 100)
        .shortMessage(480, 0x83, 60, 0)
        .shortMessage(1440, 0xB3, 0, 2)
        .shortMessage(0, 0xC3, 34)
        .shortMessage(0, 0x93, 62, 100)
        .shortMessage(480, 0x83, 62, 0)
        .endOfTrack(9600);
    return SmfWriter(1, 480).track(track).bytes();
}
