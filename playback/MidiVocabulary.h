#pragma once
#include <cstdint>

// The words of MIDI the program speaks, named once: status kinds, the controllers it sends or reads, the
// channel count and the drum channel.
namespace midi {

constexpr int channelCount = 16;
constexpr int drumChannel = 9;  // MIDI channel 10

// The high nibble of a channel message's status byte.
enum StatusKind : uint8_t {
    noteOff = 0x80,
    noteOn = 0x90,
    keyPressure = 0xA0,
    controlChange = 0xB0,
    programChange = 0xC0,
    channelPressure = 0xD0,
    pitchBend = 0xE0,
};

constexpr uint8_t sysExStart = 0xF0;
constexpr uint8_t sysExContinue = 0xF7;
constexpr uint8_t metaEvent = 0xFF;
constexpr uint8_t metaEndOfTrack = 0x2F;
constexpr uint8_t metaTempo = 0x51;
constexpr uint8_t metaText = 0x01;
constexpr uint8_t metaTrackName = 0x03;
constexpr uint8_t metaLyric = 0x05;
// FF 01 to FF 0F hold text of one kind or another: text, copyright, track name, instrument, lyric, marker,
// cue.
constexpr bool isTextMeta(int type) {
    return type >= metaText && type <= 0x0F;
}
constexpr uint8_t dataMask = 0x7F;

namespace controller {
constexpr uint8_t bankSelect = 0;
constexpr uint8_t modulation = 1;
constexpr uint8_t volume = 7;
constexpr uint8_t pan = 10;
constexpr uint8_t bankSelectLsb = 32;
constexpr uint8_t sustain = 64;
constexpr uint8_t sostenuto = 66;
constexpr uint8_t reverb = 91;
constexpr uint8_t chorus = 93;
constexpr uint8_t allSoundOff = 120;
constexpr uint8_t resetAllControllers = 121;
constexpr uint8_t allNotesOff = 123;
}  // namespace controller

constexpr int kindOf(int status) {
    return status & 0xF0;
}
constexpr int channelOf(int status) {
    return status & 0x0F;
}
constexpr uint8_t statusOf(StatusKind kind, int channel) {
    return uint8_t(kind | (channel & 0x0F));
}
// Program change and channel pressure carry one data byte, every other channel message two.
constexpr bool hasOneDataByte(int status) {
    return kindOf(status) == programChange || kindOf(status) == channelPressure;
}
constexpr bool isSysExStatus(int status) {
    return status == sysExStart || status == sysExContinue;
}

}  // namespace midi
