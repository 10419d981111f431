#include "tones/ToneMessages.h"

#include "playback/MidiVocabulary.h"

void sendTone(MidiOut& out, int channel, uint8_t program, uint8_t bank) {
    using namespace midi;
    if (channel != drumChannel) {
        out.sendShortMessage(statusOf(controlChange, channel), controller::bankSelect, bank);
        out.sendShortMessage(statusOf(controlChange, channel), controller::bankSelectLsb, 0);
    }
    out.sendShortMessage(statusOf(programChange, channel), program, 0);
}
